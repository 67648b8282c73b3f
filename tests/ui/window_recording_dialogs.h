// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "ui/user_dialogs.h"

namespace keld::test {

// Answers the program's dialogs in a test and writes down, in order, every
// dialog the program opened: "[caption] text" for message boxes and
// questions, "project information", "file", "save <suggested name>", "about"
// and "viewer <path>".
class RecordingDialogs : public ui::UserDialogs {
public:
    void inform(QWidget* owner, const QString& text, const QString& caption) override;
    bool confirm(QWidget* owner, const QString& text, const QString& caption) override;
    std::optional<ProjectTexts> askProjectTexts(QWidget* owner) override;
    QString askPdfPath(QWidget* owner) override;
    QString askSavePath(QWidget* owner, const QString& nameFilter, const QString& suggestedName) override;
    void showAbout(QWidget* owner, const QString& dataStamp) override;
    void openInViewer(QWidget* owner, const QString& path) override;

    // The answers: the question's (OK unless set), the project texts
    // (nothing for Cancel), the datasheet's file and any other file to save
    // (empty for Cancel).
    bool confirmAnswer = true;
    std::optional<ProjectTexts> projectAnswer = ProjectTexts{};
    QString pathAnswer;
    QString savePathAnswer;
    // The name filter the last file-save dialog showed.
    QString lastNameFilter;

    // Runs while a message box is up, as a user acting behind it would.
    std::function<void()> whileInformed;

    QStringList shown;
    // Whether every dialog had the main window, or the window given here, as
    // its owner: a box without one would leave the window open to a second
    // command.
    QWidget* expectedOwner = nullptr;
    bool ownersRight = true;

private:
    void record(QWidget* owner, const QString& entry);
};

}  // namespace keld::test
