// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "session/selection_session.h"
#include "ui/dialog_message_sink.h"
#include "ui/main_window/jvt_dlg.h"
#include "window_recording_dialogs.h"

class QAbstractButton;
class QLineEdit;

namespace keld::test {

// The main window as the program opens it for `launchText`, over the sample
// database, shown on the offscreen screen; every dialog goes to `dialogs`.
struct OpenWindow {
    explicit OpenWindow(const char* launchText = "");

    QAbstractButton* headerButton(int controlId) const;
    QLineEdit* edit(int controlId) const;
    QAbstractButton* pageButton(int controlId) const;
    // The list's rows as the view's model gives them, one text a row with the
    // cells joined by "|"; column 20 (the record's id) left out.
    QStringList listRows() const;
    // Every edit of the page with its text, in id order.
    QStringList editTexts() const;

    RecordingDialogs dialogs;
    ui::DialogMessageSink messages{dialogs};
    SelectionSession session;
    ui::CJVTDlg window;
};

// What keld-cli select prints with --json for `args`: the rows in the form of
// OpenWindow::listRows and the message boxes as "[caption] text".
struct CliSelection {
    QStringList rows;
    QStringList messages;
};
CliSelection RunCliSelect(const QStringList& args);

}  // namespace keld::test
