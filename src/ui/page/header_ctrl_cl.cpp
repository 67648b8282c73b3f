// SPDX-License-Identifier: MIT
#include "ui/page/header_ctrl_cl.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

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

QSize CHeaderCtrlCl::sizeHint() const {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(static_cast<int>(static_cast<float>(size.height()) * heightFactor_));
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
