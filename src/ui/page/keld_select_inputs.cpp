// SPDX-License-Identifier: MIT
// What the user does on the selection page, handed to the core page: radio
// clicks, focusing and leaving edits, and the focus the page asks back for an
// edit whose text is not a number.
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>
#include <vector>

#include "selection/page/page_controls.h"
#include "ui/page/keld_select.h"

namespace keld::ui {

void CKeldSelect::radioClicked(int radioId) {
    act([this, radioId] {
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
        // A click on a radio that is checked already (or has no interlock)
        // must not uncheck it: the page's state is shown again.
        controlChanged(radioId);
    });
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
    if (event->type() == QEvent::KeyPress) {
        for (const auto& [id, radio] : radios_) {
            if (radio == watched && moveInRadioGroup(id, static_cast<QKeyEvent*>(event)->key())) return true;
        }
    }
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
    act([this, editId] { page_.focusField(editId); });
}

// The arrow keys move through the radios of one group box, as on any desktop:
// the choice follows the focus, and runs the page's interlock as a click does.
// Disabled radios are passed by; the ends wrap round.
bool CKeldSelect::moveInRadioGroup(int radioId, int key) {
    int step = 0;
    if (key == Qt::Key_Down || key == Qt::Key_Right) step = 1;
    if (key == Qt::Key_Up || key == Qt::Key_Left) step = -1;
    if (step == 0) return false;
    const QPoint fromCentre = radios_.at(radioId)->geometry().center();
    const QGroupBox* box = nullptr;
    for (const QGroupBox* candidate : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
        if (candidate->geometry().contains(fromCentre)) box = candidate;
    }
    if (box == nullptr) return false;
    std::vector<int> group;
    for (const auto& [id, radio] : radios_) {
        if (box->geometry().contains(radio->geometry().center())) group.push_back(id);
    }
    // In the order the radios stand in their box.
    std::sort(group.begin(), group.end(), [this](int a, int b) {
        const QRect ra = radios_.at(a)->geometry(), rb = radios_.at(b)->geometry();
        return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
    });
    const auto at = std::find(group.begin(), group.end(), radioId);
    if (at == group.end()) return true;
    const int size = static_cast<int>(group.size());
    int index = static_cast<int>(at - group.begin());
    for (int tried = 1; tried < size; ++tried) {
        index = (index + step + size) % size;
        QRadioButton* next = radios_.at(group[static_cast<std::size_t>(index)]);
        if (!next->isEnabled()) continue;
        next->setFocus(Qt::TabFocusReason);
        radioClicked(group[static_cast<std::size_t>(index)]);
        break;
    }
    return true;
}

void CKeldSelect::takeUpEdit(int editId) {
    traversedEdit_ = 0;
    act([this, editId] { page_.focusField(editId); });
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
    act([this, editId] { page_.leaveField(editId); });
}

void CKeldSelect::focusRequested(int editId) {
    auto edit = edits_.find(editId);
    if (edit == edits_.end()) return;
    QScopedValueRollback moving(movingFocus_, true);
    edit->second->setFocus(Qt::OtherFocusReason);
    edit->second->selectAll();
}

bool CKeldSelect::takeFocusedEditText() {
    QWidget* focused = QApplication::focusWidget();
    for (const auto& [id, edit] : edits_) {
        if (edit == focused) return act([&] { page_.setEditText(id, edit->text().toStdString()); });
    }
    return true;
}

}  // namespace keld::ui
