// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <optional>
#include <string>

#include "reports/pdflib.h"
#include "session/page_options.h"

class QWidget;

namespace keld {
class SelectionSession;
}

namespace keld::ui {

class CKeldSelect;
class CoreBoundary;
class UserDialogs;

// The commands of the main window's header: the calculation, the datasheet,
// About and the exit question; and the performance map of a listed unit. One command at a time: a command's
// message boxes run an event loop, and a click or key that reaches the window then must not start a second
// command over the page the first one is changing. What the core raises during a command ends at the core
// boundary, and the page then shows what it holds.
class HeaderCommands {
public:
    // `window` owns the dialogs; the session, the dialogs, the boundary and
    // the window outlive the commands.
    HeaderCommands(QWidget& window, SelectionSession& session, UserDialogs& dialogs, CoreBoundary& boundary,
                   std::string moduleDirectory);

    // The page widget that shows what the commands change.
    void setPage(CKeldSelect* page);

    // Whether a command is running.
    bool busy() const { return busy_; }

    // CALC: the selection run on the page's inputs, then the page shows what
    // it changed. A run that lists anew keeps the duty it listed for.
    void runCalc();
    // Opens the performance map of the unit of list row `row` at the duty the
    // list was made for, whatever the page's fields hold since; a failure is a
    // message box. The dialog stays open beside the window until closed.
    void showPerformanceMap(int row);
    // The duty of the rows the list holds; none before the first listing and
    // after a run that emptied the list.
    const std::optional<PageOptions>& listedDuty() const { return listedDuty_; }
    // PDF: restores the marked row, asks for the project texts and the file,
    // writes the datasheet and shows it in the desktop's viewer.
    void exportPdfDatasheet();
    void showAbout();
    // "Are you sure to exit ?"; true when the user chose OK. Never while a
    // command runs: the window stays until it has finished.
    bool confirmExit();

private:
    // Marks a command as running for its lifetime.
    class Running;

    void writeDatasheetOfMarkedRow();
    // Shows the page's state again after a command changed it.
    void showPage();

    QWidget& window_;
    SelectionSession& session_;
    UserDialogs& dialogs_;
    CoreBoundary& boundary_;
    std::string moduleDirectory_;
    QPointer<CKeldSelect> page_;
    PDFlib pdf_;
    std::optional<PageOptions> listedDuty_;
    bool busy_ = false;
};

}  // namespace keld::ui
