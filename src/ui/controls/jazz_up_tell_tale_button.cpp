// SPDX-License-Identifier: MIT
#include "ui/controls/jazz_up_tell_tale_button.h"

#include <QCoreApplication>

#include "ui/controls/tell_tale_event.h"

namespace keld::ui {

CJazzUpTellTaleButton::CJazzUpTellTaleButton(QWidget* parent) : CJazzUpTellTaleButton(QString(), parent) {}

CJazzUpTellTaleButton::CJazzUpTellTaleButton(const QString& caption, QWidget* parent)
    : CShadeButtonST(caption, parent) {
    blockSignals(true);
}

void CJazzUpTellTaleButton::nextCheckState() {
    QWidget* parent = parentWidget();
    if (parent == nullptr) return;
    TellTaleEvent message(this);
    // The parent may close its window or delete this button while it runs
    // the command; nothing of this button is touched afterwards.
    QCoreApplication::sendEvent(parent, &message);
}

void CJazzUpTellTaleButton::resizeEvent(QResizeEvent* event) {
    CShadeButtonST::resizeEvent(event);
    buildShades();
}

}  // namespace keld::ui
