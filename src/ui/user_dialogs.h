// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <optional>

#include "reports/datasheet_inputs.h"

class QWidget;

namespace keld::ui {

// Everything the program asks of the user or of the desktop outside its own
// windows: message boxes, the exit question, the project-information, file
// and About dialogs, and the PDF viewer. The program shows real dialogs; the
// tests answer in their place and never open a viewer.
//
// Every dialog is modal to `owner` (null before the main window exists), so
// no other command can start while one is open.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // A message box with the OK button.
    virtual void inform(QWidget* owner, const QString& text, const QString& caption) = 0;
    // A question with the OK and Cancel buttons; true for OK.
    virtual bool confirm(QWidget* owner, const QString& text, const QString& caption) = 0;
    // The project information dialog; nothing when it was not ended with OK.
    virtual std::optional<ProjectTexts> askProjectTexts(QWidget* owner) = 0;
    // The file-save dialog of the datasheet; an empty path when cancelled.
    virtual QString askPdfPath(QWidget* owner) = 0;
    // A file-save dialog for another file the user keeps (a picture, a
    // table): `nameFilter` as the dialog shows it ("PNG image (*.png)"),
    // `suggestedName` the name offered, whose suffix is added to a name
    // typed without one. An empty path when cancelled.
    virtual QString askSavePath(QWidget* owner, const QString& nameFilter, const QString& suggestedName) = 0;
    // The About box, naming the data the selections come from.
    virtual void showAbout(QWidget* owner, const QString& dataStamp) = 0;
    // Shows the written datasheet in the desktop's PDF viewer; when none
    // opens it, a message box names the file.
    virtual void openInViewer(QWidget* owner, const QString& path) = 0;
};

}  // namespace keld::ui
