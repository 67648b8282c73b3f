// SPDX-License-Identifier: MIT
#include "ui/desktop_dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

#include "ui/dialogs/about_dlg.h"
#include "ui/dialogs/programe_info_dlg.h"

namespace keld::ui {

void DesktopDialogs::inform(QWidget* owner, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

bool DesktopDialogs::confirm(QWidget* owner, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    return box.exec() == QMessageBox::Ok;
}

std::optional<ProjectTexts> DesktopDialogs::askProjectTexts(QWidget* owner) {
    // A new dialog each time, so every datasheet starts from four empty texts.
    CDlgProgrameInfoe dialog(owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.texts();
}

QString DesktopDialogs::askPdfPath(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Adobe PDF File(*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // Overwriting an earlier datasheet is asked first.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void DesktopDialogs::showAbout(QWidget* owner) {
    CAboutDlg about(owner);
    about.exec();
}

void DesktopDialogs::openInViewer(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace keld::ui
