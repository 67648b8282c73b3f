// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>
#include <QPixmap>

namespace keld::ui {

// A static that paints itself: the header banner's gradient, or a unit
// picture on the selection page.
class CStaticColor : public QLabel {
    Q_OBJECT
public:
    enum class DrawMode {
        // 64 horizontal bands from light blue (RGB 135/206/255) at the bottom
        // to white at the top, with a raised inner edge along the bottom.
        Gradient = 1,
        // The bitmap centred, its pure red (RGB 255/0/0) pixels showing the
        // parent behind the static.
        Bitmap = 3,
    };
    static constexpr int kGradientBands = 64;

    explicit CStaticColor(QWidget* parent = nullptr);

    // Gradient until changed.
    void setDrawMode(DrawMode mode);
    DrawMode drawMode() const { return mode_; }

    // The picture that bitmap mode shows.
    void setBitmap(const QPixmap& bitmap);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintGradient(QPainter& painter) const;

    DrawMode mode_ = DrawMode::Gradient;
    QPixmap bitmap_;
};

}  // namespace keld::ui
