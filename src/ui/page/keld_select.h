// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "selection/observer_list.h"
#include "selection/page/page_observer.h"
#include "selection/page/selection_page.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace keld::ui {

class CMultiHeaderList;
class CoreBoundary;

// The selection page as the user sees it: the group boxes, captions, unit
// texts and pictures, radios, edits and fluid list of the page's template,
// and the result list below them. The widgets only show the core page's
// state and hand it what the user does: a click runs the page's interlock, a
// choice in the fluid list its fluid rule, clicking or typing into a flow or inlet edit makes
// that value the entered one, leaving an edit normalises it, and a read that
// meets a text that is not a number sends the focus back to that edit. The
// page tells the widget of every change as it happens, so no control ever
// shows a stale text or state, not even while a message box is up. Every call
// into the core page goes through the window's core boundary; when one fails,
// the controls show the page's state again.
//
// Enter and Escape do nothing here: they go on to the main window.
class CKeldSelect : public QWidget, private PageObserver {
    Q_OBJECT
public:
    // The core page and the boundary are owned elsewhere and outlive the
    // widget.
    CKeldSelect(SelectionPage& page, CoreBoundary& boundary, QWidget* parent);
    ~CKeldSelect() override;

    // Shows the core page's state again in every control (after a command
    // changed the page: CALC, the restore before a datasheet).
    void refresh();
    // Hands the focused edit's text, as it stands and not normalised, to the
    // core page, as Enter does before it runs the calculation; false when the
    // core failed.
    bool takeFocusedEditText();
    CMultiHeaderList* resultList() { return list_; }

    // The widget of a control of the page by its id; null for an id the page
    // does not show.
    QWidget* control(int controlId) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void controlChanged(int controlId) override;
    void focusRequested(int editId) override;

    // Runs a call into the core page; false when it failed, its box shown and
    // the controls showing the page's state again.
    bool act(const std::function<void()>& call);
    void buildFromTemplate();
    void radioClicked(int radioId);
    void editFocused(int editId, Qt::FocusReason reason);
    void takeUpEdit(int editId);
    bool moveInRadioGroup(int radioId, int key);
    void editLeft(int editId, Qt::FocusReason reason);

    SelectionPage& page_;
    CoreBoundary& boundary_;
    Subscription pageSubscription_;
    std::map<int, QLineEdit*> edits_;
    std::map<int, QRadioButton*> radios_;
    QComboBox* fluidList_ = nullptr;
    CMultiHeaderList* list_ = nullptr;
    std::map<int, QWidget*> controls_;
    // Set while the page normalises a field being left or the widget moves
    // the focus as the page asked: focus changes then are not the user's.
    bool leaving_ = false;
    bool movingFocus_ = false;
    // The edit the keyboard's Tab moved into, until the user types into it
    // or clicks it; 0 when none.
    int traversedEdit_ = 0;
};

}  // namespace keld::ui
