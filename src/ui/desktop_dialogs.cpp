// SPDX-License-Identifier: MIT
#include "ui/desktop_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>

#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/programe_info_dlg.h"

namespace keld::ui {
namespace {

// Gives the focus back to the control that had it when a dialog opened. A
// window manager does this for the program; without one (a kiosk, a remote
// session) the keys would go nowhere until the next click.
class FocusKeeper {
public:
    FocusKeeper() : focused_(QApplication::focusWidget()) {}
    ~FocusKeeper() {
        if (!focused_) return;
        focused_->window()->activateWindow();
        // The reason a window manager gives: the page takes it as no choice of the user's.
        focused_->setFocus(Qt::ActiveWindowFocusReason);
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWidget> focused_;
};

int ShowBox(QWidget* owner, QMessageBox::Icon icon, const QString& text, const QString& caption,
            QMessageBox::StandardButtons buttons) {
    const FocusKeeper focus;
    QMessageBox box(icon, caption, MessageBoxText(text), buttons, owner);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

// The file-save dialog; overwriting an earlier file is asked first.
QString AskFileToSave(QWidget* owner, const QString& nameFilter, const QString& suffix,
                      const QString& suggestedName = {}) {
    const FocusKeeper focus;
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(nameFilter);
    dialog.setDefaultSuffix(suffix);
    if (!suggestedName.isEmpty()) dialog.selectFile(suggestedName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString MessageBoxText(const QString& text) {
    // A model name ("WOTA180GN5-LQE") is one word to the engineer, but the
    // toolkit would break the line after its hyphen: an invisible word
    // joiner holds the two halves together. A list of names ("A,B,C:...")
    // may break after its commas instead, at an invisible zero-width space.
    static const QRegularExpression hyphenInName(QStringLiteral("(?<=[A-Za-z0-9])-(?=[A-Za-z0-9])"));
    static const QRegularExpression commaBeforeName(QStringLiteral(",(?=[A-Za-z0-9])"));
    QString shown = text;
    shown.replace(hyphenInName, QStringLiteral("-\u2060"));
    shown.replace(commaBeforeName, QStringLiteral(",\u200B"));
    return shown;
}

void DesktopDialogs::inform(QWidget* owner, const QString& text, const QString& caption) {
    ShowBox(owner, QMessageBox::Information, text, caption, QMessageBox::Ok);
}

bool DesktopDialogs::confirm(QWidget* owner, const QString& text, const QString& caption) {
    return ShowBox(owner, QMessageBox::Question, text, caption, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

std::optional<ProjectTexts> DesktopDialogs::askProjectTexts(QWidget* owner) {
    const FocusKeeper focus;
    // A new dialog each time, so every datasheet starts from four empty texts.
    CDlgProgrameInfoe dialog(owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.texts();
}

QString DesktopDialogs::askPdfPath(QWidget* owner) {
    return AskFileToSave(owner, QStringLiteral("Adobe PDF File(*.pdf)"), QStringLiteral("pdf"));
}

QString DesktopDialogs::askSavePath(QWidget* owner, const QString& nameFilter, const QString& suggestedName) {
    return AskFileToSave(owner, nameFilter, QFileInfo(suggestedName).suffix(), suggestedName);
}

void DesktopDialogs::showAbout(QWidget* owner, const QString& dataStamp) {
    const FocusKeeper focus;
    CAboutDlg about(dataStamp, owner);
    about.exec();
}

// xdg-open hands the file to the desktop's viewer. It may run as long as the
// viewer does, so it is not waited for; when it cannot start, or ends saying
// that no viewer took the file, the user is told where the datasheet is.
void DesktopDialogs::openInViewer(QWidget* owner, const QString& path) {
    auto* opener = new QProcess(owner);
    QPointer<QWidget> window(owner);
    const auto tellWhere = [this, window, path, opener] {
        opener->deleteLater();
        inform(window,
               QStringLiteral("The datasheet was written to %1, but no PDF viewer could open it.").arg(path),
               QApplication::applicationName());
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener, [tellWhere](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) tellWhere();
    });
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, tellWhere](int exitCode, QProcess::ExitStatus status) {
                         if (exitCode != 0 || status != QProcess::NormalExit) {
                             tellWhere();
                         } else {
                             opener->deleteLater();
                         }
                     });
    opener->start(QStringLiteral("xdg-open"), {path});
}

}  // namespace keld::ui
