// SPDX-License-Identifier: MIT
#include "cli/batch_command.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <set>

#include "base/module_directory.h"
#include "cli/datasheet_file_name.h"
#include "cli/error_text.h"
#include "cli/exit_codes.h"
#include "cli/progress_line.h"
#include "cli/results_output.h"
#include "cli/schedule_duty.h"
#include "cli/schedule_reader.h"
#include "cli/schedule_results.h"
#include "reports/pdflib_staged_file.h"
#include "session/output_guard.h"
#include "session/selection_session.h"
#include "session/usage_error.h"

namespace keld::cli {
namespace {

struct BatchOptions {
    std::string schedule;
    PageOptions page;  // --database and --launch only
    std::optional<std::string> out;
    bool json = false;
    std::optional<std::string> datasheets;
    ProjectTexts texts;
};

BatchOptions ParseOptions(const std::vector<std::string>& args) {
    BatchOptions options;
    std::optional<std::string> schedule, project, customer, distributor;
    const std::pair<const char*, std::optional<std::string>*> valueOptions[] = {
        {"--out", &options.out},   {"--datasheets", &options.datasheets}, {"--project", &project},
        {"--customer", &customer}, {"--distributor", &distributor},
    };
    for (std::size_t i = 0; i < args.size();) {
        const std::string& arg = args[i];
        if (arg == "--database" || arg == "--launch") {
            TakePageOption(args, i, options.page);
            continue;
        }
        if (arg == "--json") {
            if (options.json) throw UsageError("--json is given more than once");
            options.json = true;
            ++i;
            continue;
        }
        std::optional<std::string>* value = nullptr;
        for (const auto& [name, target] : valueOptions) {
            if (arg == name) value = target;
        }
        if (value != nullptr) {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            if (value->has_value()) throw UsageError(arg + " is given more than once");
            *value = args[i + 1];
            i += 2;
            continue;
        }
        if (arg.starts_with("-") && arg.size() > 1) {
            throw UsageError("batch does not know the option " + Quoted(arg) +
                             " (the columns of the schedule give the values of each duty)");
        }
        if (schedule)
            throw UsageError("batch runs one schedule, not " + Quoted(*schedule) + " and " + Quoted(arg));
        schedule = arg;
        ++i;
    }
    if (!schedule) throw UsageError("batch needs a schedule: keld-cli batch SCHEDULE.csv");
    if (options.out && options.json) {
        throw UsageError(
            "--out and --json cannot be given together: --json prints the results on standard output");
    }
    if ((project || customer || distributor) && !options.datasheets) {
        throw UsageError(
            "--project, --customer and --distributor fill the datasheets' header: they need --datasheets "
            "DIR");
    }
    if (options.datasheets && options.datasheets->empty()) {
        throw UsageError("--datasheets needs the name of a folder (use . for the current one)");
    }
    options.schedule = *schedule;
    options.texts = {project.value_or(""), distributor.value_or(""), customer.value_or(""), ""};
    return options;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::size_t CountDuties(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    ScheduleReader reader(file);
    ScheduleRecord record;
    std::size_t duties = 0;
    while (reader.next(record)) ++duties;
    return duties;
}

// "line 7 (CH-7)": how standard error names a duty.
std::string DutyName(const DutyResult& duty) {
    std::string name = "line " + std::to_string(duty.line);
    if (!duty.tag.empty()) name += " (" + Shortened(duty.tag) + ")";
    return name;
}

// The datasheets of a schedule, one file per duty in one folder.
class DatasheetFolder {
public:
    DatasheetFolder(std::string folder, ProjectTexts texts)
        : folder_(std::move(folder)), texts_(std::move(texts)) {}

    // The sheet of the duty's model, or of its first listed unit, named after
    // its tag; a tag that names a sheet this schedule wrote already adds the
    // line number, so that no duty's sheet replaces another's. Once the
    // folder itself refuses sheets (full, read-only), no more are tried.
    DutyDatasheet write(SelectionSession& session, const ScheduleDuty& duty, std::size_t line) {
        std::string name = DatasheetFileName(duty.tag, line);
        while (names_.contains(name)) name.insert(name.size() - 4, "-" + std::to_string(line));
        names_.insert(name);
        texts_.tagNo = duty.tag;
        DutyDatasheet sheet{(std::filesystem::path(folder_) / name).string(), {}};
        if (!folderFailure_.empty()) {
            sheet.outcome.failure = "not written: " + folderFailure_;
            return sheet;
        }
        sheet.outcome = WriteListedDatasheet(session, duty.model, texts_, sheet.path);
        if (RefusesEveryFile(sheet.outcome.fileFailure)) folderFailure_ = sheet.outcome.fileFailure;
        return sheet;
    }
    // Why the folder takes no more sheets; empty while it does.
    const std::string& folderFailure() const { return folderFailure_; }

private:
    // A reason that holds for the folder, not for one sheet's name.
    static bool RefusesEveryFile(const std::string& reason) {
        for (int error : {ENOSPC, EDQUOT, EROFS, EACCES, EPERM, EIO}) {
            if (reason == std::strerror(error)) return true;
        }
        return false;
    }

    std::string folder_;
    ProjectTexts texts_;
    std::set<std::string> names_;
    std::string folderFailure_;
};

class BatchRun {
public:
    BatchRun(const BatchOptions& options, SelectionSession& session, ScheduleResults& results,
             ProgressLine& progress)
        : options_(options), session_(session), results_(results), progress_(progress) {
        if (options.datasheets) datasheets_.emplace(*options.datasheets, options.texts);
    }

    // Runs one line and writes its results; false when it failed.
    bool run(const ScheduleRecord& record, const ScheduleColumns& columns) {
        DutyResult result;
        result.line = record.line;
        bool done = true;
        try {
            columns.readDuty(record, options_.page.launch, duty_);
            result.tag = duty_.tag;
            session_.startRequest(duty_.options);
        } catch (const UsageError& error) {
            result.tag = duty_.tag;
            result.error = error.what();
            result.errorColumn = error.option().empty() ? "" : error.option().substr(2);
            report(result, LineErrorText(result));
            results_.writeDuty(result);
            return false;
        }
        try {
            result.list = session_.runSelection().list;
            if (session_.databaseFailed()) {
                report(result, "an error marred the run; its messages are in the results");
                done = false;
            }
            if (datasheets_) {
                const bool folderWasWritable = datasheets_->folderFailure().empty();
                result.datasheet = datasheets_->write(session_, duty_, record.line);
                if (!result.datasheet->outcome.failure.empty()) {
                    // A folder that refuses every sheet is said once, with the first.
                    if (folderWasWritable) report(result, result.datasheet->outcome.failure);
                    if (folderWasWritable && !datasheets_->folderFailure().empty()) {
                        report(result, "no more datasheets are written into " + *options_.datasheets);
                    }
                    done = false;
                }
            }
        } catch (...) {
            result.error = CurrentErrorText();
            report(result, result.error);
            results_.writeDuty(result);
            return false;
        }
        result.page = &session_.page();
        result.messages = &session_.collected().messages();
        results_.writeDuty(result);
        return done;
    }

private:
    void report(const DutyResult& duty, const std::string& text) {
        progress_.clear();
        std::cerr << "keld-cli: " << DutyName(duty) << ": " << text << '\n';
    }

    const BatchOptions& options_;
    SelectionSession& session_;
    ScheduleResults& results_;
    ProgressLine& progress_;
    std::optional<DatasheetFolder> datasheets_;
    ScheduleDuty duty_;
};

}  // namespace

int RunBatchCommand(const std::vector<std::string>& args) {
    const BatchOptions options = ParseOptions(args);
    std::ifstream scheduleFile(options.schedule, std::ios::binary);
    if (!scheduleFile || IsFolder(options.schedule)) {
        std::cerr << "keld-cli: cannot read the schedule " << options.schedule << ": "
                  << (scheduleFile ? "it is a folder" : std::strerror(errno)) << '\n';
        return kExitFailed;
    }
    ScheduleReader reader(scheduleFile);
    const ScheduleColumns columns(reader.header(), reader.separator());

    SelectionSession session(options.page);
    if (!session.openDatabase()) {
        std::cerr << "keld-cli: cannot open the database " << session.databasePath() << '\n';
        for (const auto& message : session.collected().messages()) {
            std::cerr << '[' << message.caption << "] " << message.text << '\n';
        }
        return kExitFailed;
    }
    if (options.datasheets) {
        std::error_code error;
        const auto folder = std::filesystem::symlink_status(*options.datasheets, error);
        if (folder.type() == std::filesystem::file_type::symlink &&
            !std::filesystem::exists(*options.datasheets, error)) {
            std::cerr << "keld-cli: cannot make the folder " << *options.datasheets
                      << ": it is a symbolic link to a folder that does not exist; make that folder or name "
                         "another with --datasheets\n";
            return kExitFailed;
        }
        std::filesystem::create_directories(*options.datasheets, error);
        if (error) {
            std::cerr << "keld-cli: cannot make the folder " << *options.datasheets << ": " << error.message()
                      << '\n';
            return kExitFailed;
        }
    }
    if (options.out) {
        std::vector<InputFile> inputs = ProgramFiles(session.databasePath(), ModuleDirectory());
        inputs.push_back({options.schedule, "the schedule being run"});
        if (const std::string refusal = OutputOverAnInput(*options.out, inputs); !refusal.empty()) {
            std::cerr << "keld-cli: will not write the results to " << *options.out << ": " << refusal
                      << '\n';
            return kExitFailed;
        }
    }
    ResultsOutput output(options.out);
    if (const std::string failure = output.open(); !failure.empty()) {
        std::cerr << "keld-cli: cannot write " << *options.out << ": " << failure
                  << (failure.ends_with("not a regular file")
                          ? " (without --out the results go to standard output)"
                          : "")
                  << '\n';
        return kExitFailed;
    }
    std::unique_ptr<ScheduleResults> results;
    if (options.json) {
        results = std::make_unique<JsonScheduleResults>(output.stream(), session.dataStamp());
    } else {
        results =
            std::make_unique<CsvScheduleResults>(output.stream(), reader.separator(), session.dataStamp());
    }

    // Counting ahead reads the schedule a second time: only a regular file
    // can be read twice; a pipe or a FIFO would be drained or wait forever.
    std::error_code notAFile;
    const bool countable = std::filesystem::is_regular_file(options.schedule, notAFile);
    ProgressLine progress(ProgressLine::Shown() && countable ? CountDuties(options.schedule) : 0);
    BatchRun batch(options, session, *results, progress);
    ScheduleRecord record;
    std::size_t duties = 0;
    bool anyFailed = false;
    while (output.good() && reader.next(record)) {
        progress.update(++duties);
        anyFailed = !batch.run(record, columns) || anyFailed;
    }
    results->finish();
    progress.clear();
    if (!options.out) return anyFailed || !output.good() ? kExitFailed : kExitDone;
    if (const std::string failure = output.commit(); !failure.empty()) {
        std::cerr << "keld-cli: cannot write " << *options.out << ": " << failure
                  << (failure.ends_with("not a regular file")
                          ? " (without --out the results go to standard output)"
                          : "")
                  << '\n';
        return kExitFailed;
    }
    std::cout << "Results of " << duties << (duties == 1 ? " duty" : " duties") << " written to "
              << *options.out << '\n';
    return anyFailed ? kExitFailed : kExitDone;
}

}  // namespace keld::cli
