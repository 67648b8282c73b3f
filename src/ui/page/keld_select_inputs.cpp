// SPDX-License-Identifier: MIT
// What the user does on the selection page, handed to the core page: radio
// clicks, focusing and leaving edits, and the focus the page asks back for an
// edit whose text is not a number.
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
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

namespace {

// A key that changes an edit's text: a character, or one that deletes.
bool TypesIntoEdit(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete) return true;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint() &&
           (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

// The focus leaving for a message box or a menu, or coming back from one:
// the user has not moved it.
bool ComesBack(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

bool CKeldSelect::eventFilter(QObject* watched, QEvent* event) {
    for (const auto& [id, edit] : edits_) {
        if (edit != watched) continue;
        switch (event->type()) {
            case QEvent::FocusIn:
                editFocused(id, static_cast<QFocusEvent*>(event)->reason());
                break;
            case QEvent::FocusOut:
                if (!ComesBack(static_cast<QFocusEvent*>(event)->reason())) traversedEdit_ = 0;
                editLeft(id, static_cast<QFocusEvent*>(event)->reason());
                break;
            case QEvent::MouseButtonPress:
                if (traversedEdit_ == id) takeUpEdit(id);
                break;
            case QEvent::KeyPress:
                if (traversedEdit_ == id && TypesIntoEdit(*static_cast<QKeyEvent*>(event))) takeUpEdit(id);
                break;
            default:
                break;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Focusing the flow edit makes the flow the entered value, and focusing the
// inlet edit the temperatures again. Tab passing through on its way to the
// next field is no such choice: the switch then waits until the user types
// into the edit or clicks it.
void CKeldSelect::editFocused(int editId, Qt::FocusReason reason) {
    if (movingFocus_ || ComesBack(reason)) return;
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        traversedEdit_ = editId;
        return;
    }
    page_.focusField(editId);
}

void CKeldSelect::takeUpEdit(int editId) {
    traversedEdit_ = 0;
    page_.focusField(editId);
}

// Leaving an edit normalises its field. The focus moving away because a
// message box or a menu took it over, or because the page itself sent it to
// an edit to be corrected, is no leaving: that would run the normalisation
// again halfway through the first, and prompt twice.
void CKeldSelect::editLeft(int editId, Qt::FocusReason reason) {
    if (leaving_ || movingFocus_ || ComesBack(reason)) {
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
