// SPDX-License-Identifier: MIT
#include "ui/controls/button_st.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/keyed_bitmap.h"

namespace keld::ui {
namespace {

// The program's icons are drawn at 32 × 32.
constexpr QSize kIconSize{32, 32};

void Draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
}

}  // namespace

CButtonST::CButtonST(QWidget* parent) : CButtonST(QString(), parent) {}

CButtonST::CButtonST(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFlat(true);
    setIconSize(kIconSize);
    // Flat buttons follow the mouse without a button held down.
    setMouseTracking(true);
}

void CButtonST::setBitmaps(const QPixmap& inImage, const QPixmap& outImage) {
    setIcon(QIcon());
    inImage_ = KeyedBitmap(inImage, Qt::black);
    outImage_ = KeyedBitmap(outImage, Qt::black);
    update();
}

void CButtonST::setImageAlignment(ImageAlignment alignment) {
    alignment_ = alignment;
    update();
}

void CButtonST::setDrawBorder(bool drawBorder) {
    drawBorder_ = drawBorder;
    update();
}

void CButtonST::setStill(bool still) {
    still_ = still;
    update();
}

void CButtonST::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void CButtonST::setMouseOver(bool over) {
    if (mouseOver_ == over) return;
    mouseOver_ = over;
    update();
}

void CButtonST::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    if (!isFlat()) return;
    // A drag that started elsewhere does not light the button up.
    if ((event->buttons() & Qt::LeftButton) && !mouseOver_) return;
    setMouseOver(rect().contains(event->position().toPoint()));
}

// Pressing a button takes the focus from the edit being typed in, and
// leaving that edit may ask for a number in a box of its own, before the
// press reaches the button. The release then went to the box: the press is
// over, and the button must neither be drawn pressed nor swallow the next
// click.
void CButtonST::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void CButtonST::leaveEvent(QEvent* event) {
    setMouseOver(false);
    QPushButton::leaveEvent(event);
}

void CButtonST::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintState state;
    state.pressed = isDown();
    state.focused = hasFocus();
    state.disabled = !isEnabled();
    state.isDefault = isDefault();
    state.mouseOver = mouseOver_;

    if (!transparent_) paintBackground(painter, state);
    paintBorder(painter, state);
    const QRect captionArea = paintImage(painter, state);
    paintCaption(painter, state, captionArea);
    // The header's flat command buttons show the keyboard focus too: without
    // the mark a Tab onto them would go unseen.
    if (state.focused && !still_) paintFocusRectangle(painter);
}

void CButtonST::paintBackground(QPainter& painter, const PaintState& state) {
    QRect area = rect();
    if (!isFlat() && (state.focused || state.isDefault)) {
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    // Hot, focused and normal backgrounds are all the button face.
    painter.fillRect(area, palette().color(QPalette::Button));
}

void CButtonST::paintBorder(QPainter& painter, const PaintState& state) const {
    if (!isFlat() || !drawBorder_) return;
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    if (state.pressed) {
        Draw3dRect(painter, rect(), shadow, light);
    } else if (state.mouseOver) {
        Draw3dRect(painter, rect(), light, shadow);
    }
}

QRect CButtonST::paintImage(QPainter& painter, const PaintState& state) const {
    QPixmap image;
    if (!icon().isNull()) {
        image = icon().pixmap(iconSize());
    } else {
        image = (state.hot() || outImage_.isNull()) ? inImage_ : outImage_;
    }
    QRect captionArea = rect();
    if (image.isNull()) return captionArea;

    const QSize size = image.deviceIndependentSize().toSize();
    QPoint at;
    if (text().isEmpty()) {
        at = QPoint((width() - size.width()) / 2, (height() - size.height()) / 2);
    } else if (alignment_ == ImageAlignment::AboveCaption) {
        at = QPoint((width() - size.width()) / 2, kImageMargin);
        captionArea.setTop(kImageMargin + size.height());
    } else {
        at = QPoint(kImageMargin, (height() - size.height()) / 2);
        captionArea.setLeft(kImageMargin + size.width());
    }
    if (state.pressed && !still_) at += kPressedOffset;
    painter.drawPixmap(at, image);
    return captionArea;
}

void CButtonST::paintCaption(QPainter& painter, const PaintState& state, QRect area) const {
    // The minimise and close bitmaps fill their buttons: no room is left for
    // the "-" and "x" captions beside them.
    if (text().isEmpty() || area.isEmpty()) return;
    if (state.pressed) area.translate(kPressedOffset);
    constexpr int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.setFont(font());
    if (state.disabled) {
        // Etched: a light copy one pixel down and right under the dark one.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(area.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(area, flags, text());
        return;
    }
    // Hot, focused and normal captions are all the button text colour.
    painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    painter.drawText(area, flags, text());
}

void CButtonST::paintFocusRectangle(QPainter& painter) const {
    QPen dotted(palette().color(QPalette::Active, QPalette::ButtonText), 0);
    dotted.setDashPattern({1.0, 1.0});
    painter.setPen(dotted);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

}  // namespace keld::ui
