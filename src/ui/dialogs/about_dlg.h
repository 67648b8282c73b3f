// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace keld::ui {

// The About box (template 100): the application icon, the version, the
// date of the last update and the stamp of the performance data.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(const QString& dataStamp, QWidget* parent = nullptr);
};

}  // namespace keld::ui
