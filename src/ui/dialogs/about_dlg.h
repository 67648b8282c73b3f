// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace keld::ui {

// The About box (template 100): the application icon, the version and the
// date of the last update.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace keld::ui
