// SPDX-License-Identifier: MIT
#pragma once

#include <QHeaderView>

namespace keld::ui {

// A header of the result list: the list's own header, made taller by
// `heightFactor` to make room for the rows laid over it, or one of those rows
// (a header whose parent is the own header). A drag of a divider in a row is
// reported to the list when the mouse button is released, with the width the
// dragged item had when the drag began.
class CHeaderCtrlCl : public QHeaderView {
    Q_OBJECT
public:
    explicit CHeaderCtrlCl(QWidget* parent = nullptr);

    // The own header is its usual height times the factor, truncated.
    void setHeightFactor(float factor);
    // The least height sizeHint() gives, whatever the factor.
    void setMinimumHintHeight(int height);
    float heightFactor() const { return heightFactor_; }
    QSize sizeHint() const override;

    // Whether this header is one of the rows laid over the own header.
    bool isOverlayRow() const;
    // The width of the item being dragged when its drag began.
    int trackStartWidth() const { return trackStartWidth_; }
    // A row: the list column beyond the row's last item whose caption the
    // row shows over it (the pressure drop's symbol or unit). The rest of the
    // row beyond its items is blank header surface.
    void setTrailingCaption(int listColumn, const QString& caption);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void noteResize(int item, int oldWidth);

    void paintHeaderSurface(QPainter& painter, const QRect& area, const QString& caption) const;

    float heightFactor_ = 1.0f;
    int minimumHintHeight_ = 0;
    int trailingColumn_ = -1;
    QString trailingCaption_;
    bool pressed_ = false;
    int trackedItem_ = -1;
    int trackStartWidth_ = 0;
};

}  // namespace keld::ui
