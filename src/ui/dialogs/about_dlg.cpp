// SPDX-License-Identifier: MIT
#include "ui/dialogs/about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "base/program_identity.h"
#include "ui/controls/pictures.h"
#include "ui/dialog_units.h"

namespace keld::ui {

CAboutDlg::CAboutDlg(const QString& dataStamp, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    setFont(dialogFont());
    const DialogUnits units(font());
    setFixedSize(units.size(200, 68));

    // The application icon, at the size the desktop gives a dialog's icons.
    auto* icon = new QLabel(this);
    const QPoint iconPlace(units.x(14), units.y(8));
    icon->setPixmap(IconResource(128).pixmap(32, 32));
    icon->setGeometry(QRect(iconPlace, QSize(32, 32)));

    auto* version = new QLabel(QStringLiteral("Version 1.0.10"), this);
    version->setGeometry(units.rect(42, 8, 114, 8));
    auto* updated = new QLabel(QStringLiteral("Last Updated Date:") + QLatin1String(kBuildDate), this);
    updated->setGeometry(units.rect(42, 20, 113, 8));
    auto* data = new QLabel(QStringLiteral("Performance data ") + dataStamp, this);
    data->setGeometry(units.rect(42, 32, 150, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(units.rect(162, 47, 31, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace keld::ui
