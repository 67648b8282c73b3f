// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace keld {

// What a control of the selection page shows: its text (an edit's text, the
// fluid list's selected entry "Water" or "Glycol", empty for a radio) and
// its states.
struct ControlState {
    std::string text;
    bool enabled = true;
    bool readOnly = false;
    bool checked = false;
    bool operator==(const ControlState&) const = default;
};

// Told by the selection page whenever the page changes what a control shows,
// as the change happens, so that a window showing the page never lags behind
// it (a run may change the controls and then show a message box while the
// window repaints).
class PageObserver {
public:
    virtual ~PageObserver() = default;
    // The text or a state of `controlId` changed; SelectionPage::controlState
    // gives the new one.
    virtual void controlChanged(int controlId) = 0;
    // A read of the controls met a text that is not a number in `editId` and
    // has shown the prompt: the user is to correct that edit, so it takes the
    // focus with its text selected.
    virtual void focusRequested(int editId) = 0;
};

}  // namespace keld
