// SPDX-License-Identifier: MIT
#include "ui/main_window/header_commands.h"

#include <QFile>
#include <QWidget>
#include <utility>

#include "base/program_identity.h"
#include "reports/datasheet_export.h"
#include "selection/result_columns.h"
#include "session/map_of_duty.h"
#include "session/output_guard.h"
#include "session/page_snapshot.h"
#include "session/selection_session.h"
#include "ui/core_boundary.h"
#include "ui/dialogs/performance_map_dialog.h"
#include "ui/page/keld_select.h"
#include "ui/user_dialogs.h"

namespace keld::ui {

class HeaderCommands::Running {
public:
    explicit Running(bool& busy) : busy_(busy) { busy_ = true; }
    ~Running() { busy_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& busy_;
};

HeaderCommands::HeaderCommands(QWidget& window, SelectionSession& session, UserDialogs& dialogs,
                               CoreBoundary& boundary, std::string moduleDirectory)
    : window_(window),
      session_(session),
      dialogs_(dialogs),
      boundary_(boundary),
      moduleDirectory_(std::move(moduleDirectory)) {}

void HeaderCommands::setPage(CKeldSelect* page) { page_ = page; }

void HeaderCommands::runCalc() {
    if (busy_) return;
    const Running running(busy_);
    boundary_.run([this] {
        const RunOutcome outcome = session_.runSelection();
        if (outcome.list == ListEffect::Replaced) {
            listedDuty_ = OptionsOfPage(session_.page());
        } else if (outcome.list == ListEffect::Cleared) {
            listedDuty_.reset();
        }
    });
    showPage();
}

void HeaderCommands::showPerformanceMap(int row) {
    if (busy_ || !listedDuty_) return;
    const Running running(busy_);
    std::optional<MapOfDuty> content;
    boundary_.run([&] {
        const ResultTable& list = session_.page().results();
        if (row < 0 || row >= list.rowCount()) return;
        content =
            MapAtDuty(session_.database(), session_.messages(), *listedDuty_, list.cell(row, column::kModel));
    });
    if (!content) return;
    auto* dialog = new PerformanceMapDialog(std::move(*content), dialogs_, boundary_, &window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void HeaderCommands::showPage() {
    if (page_) boundary_.run([this] { page_->refresh(); });
}

void HeaderCommands::exportPdfDatasheet() {
    if (busy_) return;
    const Running running(busy_);
    if (!boundary_.run([this] { writeDatasheetOfMarkedRow(); })) showPage();
}

void HeaderCommands::writeDatasheetOfMarkedRow() {
    SelectionPage& page = session_.page();
    const std::optional<int> row = MarkedRowForDatasheet(page, session_.messages());
    // The restore has written the row's inputs into the page.
    if (page_) page_->refresh();
    if (!row) return;

    const std::optional<ProjectTexts> texts = dialogs_.askProjectTexts(&window_);
    if (!texts) return;
    const QString path = dialogs_.askPdfPath(&window_);
    if (path.isEmpty()) return;
    // The file dialog lets the user confirm replacing any file: a sheet saved
    // over the database or a picture the sheet prints breaks the next start
    // or the next sheet.
    const std::string target = QFile::encodeName(path).toStdString();
    if (const std::string refusal =
            OutputOverAnInput(target, ProgramFiles(session_.databasePath(), moduleDirectory_));
        !refusal.empty()) {
        session_.messages().show("The datasheet cannot be saved as " + path.toStdString() + ": " + refusal +
                                     ". Choose another file.",
                                 kApplicationTitle);
        return;
    }

    const ExportRequest request{
        pdf_, page, session_.database(), session_.messages(), moduleDirectory_, kBuildDate, *texts, target};
    const ExportResult result = WriteDatasheet(request, *row);
    // A sheet that lacks some figures is shown as well, its messages given;
    // any other outcome left no new file to show.
    if (result.status == ExportStatus::Written) dialogs_.openInViewer(&window_, path);
}

void HeaderCommands::showAbout() {
    if (busy_) return;
    const Running running(busy_);
    std::string data = DataStamp{}.text();
    if (!boundary_.run([this, &data] { data = session_.dataStamp().text(); })) return;
    dialogs_.showAbout(&window_, QString::fromStdString(data));
}

bool HeaderCommands::confirmExit() {
    if (busy_) return false;
    const Running running(busy_);
    return dialogs_.confirm(&window_, QStringLiteral("Are you sure to exit ?"), QStringLiteral("TIP"));
}

}  // namespace keld::ui
