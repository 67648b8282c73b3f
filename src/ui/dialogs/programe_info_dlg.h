// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "reports/datasheet_inputs.h"

class QLineEdit;

namespace keld::ui {

// The project information dialog (template 135): the four texts that head
// every datasheet. Free text of any length; empty texts are valid. Each PDF
// command builds a new one, so the texts start empty every time.
class CDlgProgrameInfoe : public QDialog {
    Q_OBJECT

public:
    explicit CDlgProgrameInfoe(QWidget* parent = nullptr);

    // The texts as the user left them (UTF-8); read them after OK.
    ProjectTexts texts() const;

private:
    QLineEdit* project_;      // 1071
    QLineEdit* customer_;     // 1066
    QLineEdit* distributor_;  // 1067
    QLineEdit* tagNo_;        // 1068
};

}  // namespace keld::ui
