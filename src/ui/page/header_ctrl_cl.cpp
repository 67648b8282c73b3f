// SPDX-License-Identifier: MIT
#include "ui/page/header_ctrl_cl.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QToolTip>
#include <algorithm>

#include "ui/page/multi_header_list.h"

namespace keld::ui {

CHeaderCtrlCl::CHeaderCtrlCl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignCenter);
    setHighlightSections(false);
    connect(this, &QHeaderView::sectionResized, this,
            [this](int item, int oldWidth, int) { noteResize(item, oldWidth); });
}

void CHeaderCtrlCl::setHeightFactor(float factor) {
    heightFactor_ = factor;
    updateGeometry();
}

void CHeaderCtrlCl::setMinimumHintHeight(int height) {
    minimumHintHeight_ = height;
    updateGeometry();
}

QSize CHeaderCtrlCl::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(
        std::max(static_cast<int>(static_cast<float>(size.height()) * heightFactor_), minimumHintHeight_));
    return size;
}

bool CHeaderCtrlCl::isOverlayRow() const { return qobject_cast<CHeaderCtrlCl*>(parentWidget()) != nullptr; }

void CHeaderCtrlCl::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    trackedItem_ = -1;
    QHeaderView::mousePressEvent(event);
}

// The first resize while the button is down starts a drag: keep the width
// the item had before it.
void CHeaderCtrlCl::noteResize(int item, int oldWidth) {
    if (!pressed_ || trackedItem_ >= 0 || !isOverlayRow()) return;
    trackedItem_ = item;
    trackStartWidth_ = oldWidth;
}

// The end of a drag in a row: the list (the parent of the own header) brings
// the other rows and its columns into line.
void CHeaderCtrlCl::mouseReleaseEvent(QMouseEvent* event) {
    QHeaderView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    const int item = trackedItem_;
    trackedItem_ = -1;
    if (item < 0) return;
    if (auto* list = qobject_cast<CMultiHeaderList*>(parentWidget()->parentWidget())) {
        list->SyncHeaderWidths(this, item);
    }
}

void CHeaderCtrlCl::setTrailingCaption(int listColumn, const QString& caption) {
    trailingColumn_ = listColumn;
    trailingCaption_ = caption;
    viewport()->update();
}

void CHeaderCtrlCl::paintHeaderSurface(QPainter& painter, const QRect& area, const QString& caption) const {
    if (area.width() <= 0) return;
    QStyleOptionHeader section;
    initStyleOption(&section);
    section.rect = area;
    section.text = caption;
    section.textAlignment = Qt::AlignCenter;
    section.position = QStyleOptionHeader::Middle;
    style()->drawControl(QStyle::CE_Header, &section, &painter, this);
}

// A row's items end with the last figure column; beyond them the row would
// show the page through it. It shows header surface there, with the caption
// of its trailing column over that column.
void CHeaderCtrlCl::paintEvent(QPaintEvent* event) {
    QHeaderView::paintEvent(event);
    if (!isOverlayRow() || count() == 0) return;
    const int end = sectionViewportPosition(count() - 1) + sectionSize(count() - 1);
    const int right = viewport()->width();
    if (end >= right) return;
    QPainter painter(viewport());
    int captionEnd = end;
    if (trailingColumn_ >= 0) {
        auto* ownHeader = static_cast<CHeaderCtrlCl*>(parentWidget());
        const int left = ownHeader->sectionViewportPosition(trailingColumn_) - x();
        captionEnd = std::clamp(left + ownHeader->sectionSize(trailingColumn_), end, right);
        paintHeaderSurface(painter, QRect(end, 0, captionEnd - end, viewport()->height()), trailingCaption_);
    }
    paintHeaderSurface(painter, QRect(captionEnd, 0, right - captionEnd, viewport()->height()), QString());
}

// A row shows the tooltip of the list column beneath the mouse, so the blank
// part of a row names the column under it too.
bool CHeaderCtrlCl::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && isOverlayRow()) {
        auto* help = static_cast<QHelpEvent*>(event);
        auto* ownHeader = static_cast<CHeaderCtrlCl*>(parentWidget());
        const QPoint atOwn = ownHeader->viewport()->mapFromGlobal(help->globalPos());
        const int column = ownHeader->logicalIndexAt(atOwn);
        const QString tip =
            column < 0 || ownHeader->model() == nullptr
                ? QString()
                : ownHeader->model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QHeaderView::viewportEvent(event);
}

}  // namespace keld::ui
