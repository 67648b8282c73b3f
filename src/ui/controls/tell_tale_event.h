// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>

namespace keld::ui {

class CJazzUpTellTaleButton;

// Message 0x8840: a command button of the header reports its click to its
// parent window, which finds the command from the button and runs it.
inline constexpr QEvent::Type kTellTaleMessage = static_cast<QEvent::Type>(0x8840);

class TellTaleEvent : public QEvent {
public:
    explicit TellTaleEvent(CJazzUpTellTaleButton* button) : QEvent(kTellTaleMessage), button_(button) {}

    // The button that was clicked.
    CJazzUpTellTaleButton* button() const { return button_; }

private:
    CJazzUpTellTaleButton* button_;
};

}  // namespace keld::ui
