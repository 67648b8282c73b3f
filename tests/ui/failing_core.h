// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <functional>
#include <utility>

#include "selection/page/selection_page.h"
#include "ui/core_boundary.h"
#include "ui/page/keld_select.h"

namespace keld::test {

// The window's core boundary over a core that breaks when a test says so:
// the next call into it raises what failNextCall was given instead of
// running. Every other call reaches the real core.
class FailingCore : public ui::CoreBoundary {
public:
    using CoreBoundary::CoreBoundary;

    void failNextCall(std::function<void()> raise) { raise_ = std::move(raise); }
    bool failurePending() const { return static_cast<bool>(raise_); }

protected:
    void enter(const std::function<void()>& call) override {
        if (raise_) std::exchange(raise_, {})();
        call();
    }

private:
    std::function<void()> raise_;
};

// One control as "id text, enabled|disabled, read-only, checked", the last
// two only when they hold.
inline QString DescribeControl(int id, const QString& text, bool enabled, bool readOnly, bool checked) {
    QString described = QString::number(id) + QLatin1Char(' ') + text +
                        (enabled ? QStringLiteral(", enabled") : QStringLiteral(", disabled"));
    if (readOnly) described += QStringLiteral(", read-only");
    if (checked) described += QStringLiteral(", checked");
    return described;
}

// Every control of the page as the window shows it.
inline QStringList ShownControls(const ui::CKeldSelect& page) {
    QStringList shown;
    for (int id : SelectionPage::ControlIds()) {
        const QWidget* widget = page.control(id);
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            shown << DescribeControl(id, edit->text(), edit->isEnabled(), edit->isReadOnly(), false);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            shown << DescribeControl(id, QString(), button->isEnabled(), false, button->isChecked());
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            shown << DescribeControl(id, list->currentText(), list->isEnabled(), false, false);
        }
    }
    return shown;
}

// Every control as the core page holds it, in the form of ShownControls.
inline QStringList HeldControls(const SelectionPage& page) {
    QStringList held;
    for (int id : SelectionPage::ControlIds()) {
        const ControlState state = page.controlState(id);
        held << DescribeControl(id, QString::fromStdString(state.text), state.enabled, state.readOnly,
                                state.checked);
    }
    return held;
}

}  // namespace keld::test
