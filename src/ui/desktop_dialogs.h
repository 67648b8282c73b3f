// SPDX-License-Identifier: MIT
#pragma once

#include "ui/user_dialogs.h"

namespace keld::ui {

// The real dialogs: Qt message boxes, CDlgProgrameInfoe, the file-save dialog,
// CAboutDlg and the desktop's handler of PDF files.
class DesktopDialogs : public UserDialogs {
public:
    void inform(QWidget* owner, const QString& text, const QString& caption) override;
    bool confirm(QWidget* owner, const QString& text, const QString& caption) override;
    std::optional<ProjectTexts> askProjectTexts(QWidget* owner) override;
    QString askPdfPath(QWidget* owner) override;
    QString askSavePath(QWidget* owner, const QString& nameFilter, const QString& suggestedName) override;
    void showAbout(QWidget* owner, const QString& dataStamp) override;
    void openInViewer(QWidget* owner, const QString& path) override;
};

// A message as the box shows it: the text as it stands, with invisible marks
// so that a line breaks only between words, never inside a model name.
QString MessageBoxText(const QString& text);

}  // namespace keld::ui
