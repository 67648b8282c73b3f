// SPDX-License-Identifier: MIT
// What the user does on the selection page, handed to the core page: radio
// clicks, focusing and leaving edits, and the focus the page asks back for an
// edit whose text is not a number.
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "selection/page_controls.h"
#include "ui/page/keld_select.h"

namespace keld::ui {

void CKeldSelect::radioClicked(int radioId) {
    switch (radioId) {
        case kCentrifugalRadio:
            page_.clickCentrifugal();
            break;
        case kScrewRadio:
            page_.clickScrew();
            break;
        case kChillersRadio:
            page_.clickChillers();
            break;
        case kHeatPumpRadio:
            page_.clickHeatPump();
            break;
        case kRecoveryNoneRadio:
            page_.clickRecoveryNone();
            break;
        case kAhriRadio:
            page_.clickStandard(0);
            break;
        case kGbRadio:
            page_.clickStandard(1);
            break;
        default:
            break;
    }
    // A click on a radio that is checked already (or has no interlock) must
    // not uncheck it: the page's state is shown again.
    controlChanged(radioId);
}

bool CKeldSelect::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (const auto& [id, edit] : edits_) {
            if (edit != watched) continue;
            if (event->type() == QEvent::FocusIn) {
                editFocused(id);
            } else {
                editLeft(id, static_cast<QFocusEvent*>(event)->reason());
            }
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CKeldSelect::editFocused(int editId) {
    if (movingFocus_) return;
    page_.focusField(editId);
}

// Leaving an edit normalises its field. The focus moving away because a
// message box or a menu took it over, or because the page itself sent it to
// an edit to be corrected, is no leaving: that would run the normalisation
// again halfway through the first, and prompt twice.
void CKeldSelect::editLeft(int editId, Qt::FocusReason reason) {
    if (leaving_ || movingFocus_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    QScopedValueRollback leaving(leaving_, true);
    page_.leaveField(editId);
}

void CKeldSelect::focusRequested(int editId) {
    auto edit = edits_.find(editId);
    if (edit == edits_.end()) return;
    QScopedValueRollback moving(movingFocus_, true);
    edit->second->setFocus(Qt::OtherFocusReason);
    edit->second->selectAll();
}

void CKeldSelect::takeFocusedEditText() {
    QWidget* focused = QApplication::focusWidget();
    for (const auto& [id, edit] : edits_) {
        if (edit == focused) page_.setEditText(id, edit->text().toStdString());
    }
}

}  // namespace keld::ui
