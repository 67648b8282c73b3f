// SPDX-License-Identifier: MIT
#pragma once

#include "ui/controls/shade_button_st.h"

namespace keld::ui {

// A header command button ("CALC", "PDF", "About", "Back", "Next").
//
// Each click, however it comes (mouse, space bar, Enter on the default
// button, shortcut, click()), is sent at once to the parent widget as a
// TellTaleEvent (message 0x8840) carrying the button, through
// QCoreApplication::sendEvent: the parent runs the command to its end before
// the button's click handling returns. The parent dispatches every command
// button in one place (its event handler) and needs no connection per
// button; a button moved to another parent reports there.
//
// The button handles its click itself: its own signals (clicked, pressed,
// released, toggled) are blocked for its whole life, so nothing connected to
// them ever sees a click as an ordinary command next to the message.
//
// Its shaded backgrounds are built again whenever its size changes.
class CJazzUpTellTaleButton : public CShadeButtonST {
    Q_OBJECT
public:
    explicit CJazzUpTellTaleButton(QWidget* parent = nullptr);
    explicit CJazzUpTellTaleButton(const QString& caption, QWidget* parent = nullptr);

protected:
    // Qt calls this once for every click, before the click signals.
    void nextCheckState() override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace keld::ui
