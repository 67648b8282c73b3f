// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

#include "base/message_sink.h"
#include "ui/user_dialogs.h"

namespace keld::ui {

// The message boxes of the core (the database's, the page's, the runs' and the
// export's), shown through the user dialogs, modal to the main window once it
// exists.
class DialogMessageSink : public MessageSink {
public:
    explicit DialogMessageSink(UserDialogs& dialogs) : dialogs_(dialogs) {}

    void setOwner(QWidget* owner) { owner_ = owner; }

    void show(const std::string& text, const std::string& caption) override {
        dialogs_.inform(owner_, QString::fromStdString(text), QString::fromStdString(caption));
    }

private:
    UserDialogs& dialogs_;
    QPointer<QWidget> owner_;
};

}  // namespace keld::ui
