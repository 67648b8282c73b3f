// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "failing_core.h"
#include "session/selection_session.h"
#include "ui/dialog_message_sink.h"
#include "ui/main_window/jvt_dlg.h"
#include "window_recording_dialogs.h"

class QAbstractButton;
class QLineEdit;

namespace keld::test {

// The main window as the program opens it for `launchText`, over the sample
// database, shown on the offscreen screen; every dialog goes to `dialogs`.
// Its calls into the core go through `core`, which breaks only when told.
struct OpenWindow {
    explicit OpenWindow(const char* launchText = "");
    // Over the database at `databasePath`, with the datasheet's pictures in
    // `moduleDirectory`.
    OpenWindow(const std::string& databasePath, const std::string& moduleDirectory);

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
    FailingCore core{messages};
    ui::CJVTDlg window;

private:
    OpenWindow(const char* launchText, const std::string& databasePath, const std::string& moduleDirectory);
};

// Where a test saves a picture for people to look at: `name` in the build
// folder.
QString BuildFolderFile(const QString& name);

// What keld-cli select prints with --json for `args`: the rows in the form of
// OpenWindow::listRows and the message boxes as "[caption] text".
struct CliSelection {
    QStringList rows;
    QStringList messages;
};
CliSelection RunCliSelect(const QStringList& args);

// What keld-cli prints on its standard output for `args`, over the sample
// database.
QByteArray RunCli(const QString& command, const QStringList& args);

}  // namespace keld::test
