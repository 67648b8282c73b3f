// SPDX-License-Identifier: MIT
#include "cli/command_usage.h"

#include "cli/schedule_duty.h"
#include "session/page_options.h"

namespace keld::cli {
namespace {

constexpr const char* kSelectSynopsis = "keld-cli select    [OPTIONS] [--json]";
constexpr const char* kDatasheetSynopsis =
    "keld-cli datasheet [OPTIONS] --model NAME --out FILE.pdf [--project T] [--customer T]\n"
    "                   [--distributor T] [--tag T] [--json]";
constexpr const char* kBatchSynopsis =
    "keld-cli batch     SCHEDULE.csv [--database PATH] [--launch TEXT] [--out RESULTS.csv | --json]\n"
    "                   [--datasheets DIR [--project T] [--customer T] [--distributor T]]";

constexpr const char* kExitCodes =
    "Exit codes: 0 done, 1 the work could not be done (its reason on standard error), 2 wrong usage.\n";

std::string PageOptionsSection() {
    return std::string(
               "OPTIONS (each value goes through the selection page as if typed into its field and the\n"
               "field left; options left out keep the page's defaults):\n") +
           PageOptionsUsage();
}

// The names a schedule's header may use, a few to a line.
std::string ScheduleColumnList() {
    std::string list;
    std::string line;
    for (const std::string& name : ScheduleColumns::Names()) {
        if (!line.empty() && line.size() + name.size() > 88) {
            list += "  " + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : "  ") + name;
    }
    return list + "  " + line + "\n";
}

// A synopsis after "usage: " or its blank indent: its continuation lines
// move along.
std::string Synopsis(const char* synopsis) {
    std::string text;
    for (const char* c = synopsis; *c != '\0'; ++c)
        text += *c == '\n' ? std::string("\n       ") : std::string(1, *c);
    return text;
}

std::string SelectUsage() {
    return "usage: " + Synopsis(kSelectSynopsis) +
           "\n\n"
           "Runs the CALC command once on the selection page set up from OPTIONS and prints the\n"
           "visible columns of the result list, each message box before it as \"[caption] text\".\n"
           "  --json                 one JSON object instead: \"conditions\", \"messages\", \"list\", "
           "\"rows\"\n\n" +
           PageOptionsSection() + kExitCodes;
}

std::string DatasheetUsage() {
    return "usage: " + Synopsis(kDatasheetSynopsis) +
           "\n\n"
           "Runs the selection as select does, marks the first listed row of NAME and writes that\n"
           "unit's two-page datasheet; an earlier file of that name is replaced only by a whole sheet.\n"
           "  --model NAME           the model as the result list shows it\n"
           "  --out FILE.pdf         the datasheet file\n"
           "  --project T  --customer T  --distributor T  --tag T\n"
           "                         the fields of the sheet's header\n"
           "  --json                 one JSON object: \"file\", \"model\", \"complete\", \"models\", "
           "\"messages\"\n\n" +
           PageOptionsSection() + kExitCodes;
}

std::string BatchUsage() {
    return "usage: " + Synopsis(kBatchSynopsis) +
           "\n\n"
           "Runs one selection per line of an equipment schedule, each on a fresh page and exactly as\n"
           "select runs it with the line's cells as options, on the one database.\n"
           "  SCHEDULE.csv           CSV in UTF-8 (a byte-order mark allowed), separated by commas or\n"
           "                         semicolons (then with decimal commas); its first line names the "
           "columns\n"
           "  --database PATH        the performance database (default: KELD_Vortan.tbs beside the program)\n"
           "  --launch TEXT          the launch text of every line whose launch cell is blank\n"
           "  --out RESULTS.csv      the results file (default: standard output): a header line, a line per\n"
           "                         listed unit and a line with the messages of a duty that listed nothing\n"
           "  --json                 a JSON array instead: per duty the object of select --json, with its\n"
           "                         \"tag\" and \"line\"\n"
           "  --datasheets DIR       per duty the datasheet of its model, or of its first listed unit, as\n"
           "                         DIR/TAG.pdf (the line number when it has no tag)\n"
           "  --project T  --customer T  --distributor T\n"
           "                         the fields of every datasheet's header; the tag field is the line's "
           "tag\n\n"
           "Columns of the schedule (any of them, in any order; a blank cell keeps the page's default):\n" +
           ScheduleColumnList() +
           "A line select would refuse is reported with its line number and column and the others still\n"
           "run. Exit codes: 0 every line done, 1 a line failed or the work could not be done, 2 wrong "
           "usage.\n";
}

}  // namespace

std::string ProgramUsage() {
    return "usage: " + Synopsis(kSelectSynopsis) + "\n       " + Synopsis(kDatasheetSynopsis) + "\n       " +
           Synopsis(kBatchSynopsis) +
           "\n"
           "       keld-cli help [COMMAND]      keld-cli COMMAND --help      keld-cli --version\n\n"
           "keld-cli help COMMAND tells what a command does and lists all of its options.\n" +
           PageOptionsSection();
}

std::string CommandUsage(std::string_view command) {
    if (command == "select") return SelectUsage();
    if (command == "datasheet") return DatasheetUsage();
    if (command == "batch") return BatchUsage();
    return {};
}

}  // namespace keld::cli
