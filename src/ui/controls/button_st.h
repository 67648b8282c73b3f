// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QPushButton>

class QPainter;

namespace keld::ui {

// A push button that paints itself: the header's logo, picture, minimise and
// close buttons, and the base of the command buttons.
//
// What it shows comes from its state: pressed (down), focused, disabled,
// default, and "mouse over", which only flat buttons track. Its flags start
// as flat on, draw border on, still off, transparent off, image beside the
// caption. A transparent button paints nothing behind itself, so whatever its
// parent draws there shows through, live.
//
// Its colours are the palette's button face and button text for every state
// (hot, focused, normal), with the palette's light and dark colours for the
// 3-D borders and the etched disabled caption; a palette change repaints it
// in the new colours.
//
// A double click acts as a second press (Qt's own handling of it, which the
// button keeps), so two quick clicks are two clicks: a double click on "CALC"
// runs the selection twice.
class CButtonST : public QPushButton {
    Q_OBJECT
public:
    enum class ImageAlignment { BesideCaption = 0, AboveCaption = 1 };

    // Gaps between the image and the button's edge, and how far image and
    // caption move while the button is pressed.
    static constexpr int kImageMargin = 3;
    static constexpr QPoint kPressedOffset{1, 1};

    explicit CButtonST(QWidget* parent = nullptr);
    explicit CButtonST(const QString& caption, QWidget* parent = nullptr);

    // The in-image shows while the mouse is over the button or it is pressed,
    // the out-image otherwise (the in-image when there is no out-image). In
    // both, black (RGB 0/0/0) is transparent. Clears any icon; an icon set
    // later (QAbstractButton::setIcon, drawn at iconSize(), 32 × 32 unless
    // changed) takes the place of the bitmaps.
    void setBitmaps(const QPixmap& inImage, const QPixmap& outImage = QPixmap());

    void setImageAlignment(ImageAlignment alignment);
    ImageAlignment imageAlignment() const { return alignment_; }

    // The 3-D border of a flat button: sunken while pressed, raised while the
    // mouse is over it. Buttons that are not flat never draw it.
    void setDrawBorder(bool drawBorder);
    bool drawsBorder() const { return drawBorder_; }

    // A still button never draws a focus rectangle and its image does not
    // move while pressed (the caption still does).
    void setStill(bool still);
    bool isStill() const { return still_; }

    void setTransparent(bool transparent);
    bool isTransparent() const { return transparent_; }

    bool isMouseOver() const { return mouseOver_; }

protected:
    struct PaintState {
        bool pressed = false;
        bool focused = false;
        bool disabled = false;
        bool isDefault = false;
        bool mouseOver = false;
        // Mouse over or pressed: the in-image and the hot colours.
        bool hot() const { return mouseOver || pressed; }
    };

    // The background of a button that is not transparent, within the whole
    // button rectangle.
    virtual void paintBackground(QPainter& painter, const PaintState& state);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setMouseOver(bool over);
    void paintBorder(QPainter& painter, const PaintState& state) const;
    // Draws the image, if any, and returns the area left for the caption.
    QRect paintImage(QPainter& painter, const PaintState& state) const;
    void paintCaption(QPainter& painter, const PaintState& state, QRect area) const;
    void paintFocusRectangle(QPainter& painter) const;

    bool mouseOver_ = false;
    bool drawBorder_ = true;
    bool still_ = false;
    bool transparent_ = false;
    ImageAlignment alignment_ = ImageAlignment::BesideCaption;
    QPixmap inImage_;
    QPixmap outImage_;
};

}  // namespace keld::ui
