// SPDX-License-Identifier: MIT
#include "ui/dialogs/programe_info_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialog_units.h"

namespace keld::ui {
namespace {

QLineEdit* AddEdit(QWidget* dialog, const DialogUnits& units, int id, int top) {
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(QString::number(id));
    edit->setGeometry(units.rect(52, top, 91, 14));
    return edit;
}

void AddLabel(QWidget* dialog, const DialogUnits& units, const QString& text, QRect rect) {
    auto* label = new QLabel(text, dialog);
    label->setGeometry(units.rect(rect.x(), rect.y(), rect.width(), rect.height()));
}

}  // namespace

CDlgProgrameInfoe::CDlgProgrameInfoe(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Project information"));
    setFont(dialogFont());
    const DialogUnits units(font());
    setFixedSize(units.size(155, 113));

    // Created in the template's order, which is also the tab order.
    AddLabel(this, units, QStringLiteral("Project"), {10, 11, 33, 8});
    project_ = AddEdit(this, units, 1071, 8);
    AddLabel(this, units, QStringLiteral("Customer"), {10, 30, 33, 8});
    customer_ = AddEdit(this, units, 1066, 27);
    AddLabel(this, units, QStringLiteral("Distributor"), {10, 49, 38, 8});
    distributor_ = AddEdit(this, units, 1067, 46);
    AddLabel(this, units, QStringLiteral("Tag No."), {10, 69, 33, 8});
    tagNo_ = AddEdit(this, units, 1068, 65);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(units.rect(31, 85, 36, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(units.rect(79, 85, 36, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    project_->setFocus();
}

ProjectTexts CDlgProgrameInfoe::texts() const {
    return {project_->text().toStdString(), distributor_->text().toStdString(),
            customer_->text().toStdString(), tagNo_->text().toStdString()};
}

}  // namespace keld::ui
