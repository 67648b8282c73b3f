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
constexpr const char* kMapSynopsis =
    "keld-cli map       [OPTIONS] --model NAME [--ambient FROM:TO:STEP] [--outlet FROM:TO:STEP]\n"
    "                   [--heating-ambient FROM:TO:STEP] [--heating-outlet FROM:TO:STEP] [--json]\n"
    "                   [--energyplus FILE.idf]";

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

std::string MapUsage() {
    return "usage: " + Synopsis(kMapSynopsis) +
           "\n\n"
           "Evaluates one unit across ambient and leaving water at the duty OPTIONS set up, each point\n"
           "exactly as select evaluates the unit there (a leaving water moves the inlet by the duty's\n"
           "temperature difference unless the duty's flow is entered). Without a range an axis takes the\n"
           "values of the unit's own grid; a point beyond the grid is never extrapolated.\n"
           "  --model NAME           the unit as the result list shows it for the launch text's brand\n"
           "  --ambient FROM:TO:STEP --outlet FROM:TO:STEP\n"
           "                         the cooling axes in °C (a single value is the duty's own, as in\n"
           "                         select)\n"
           "  --heating-ambient FROM:TO:STEP --heating-outlet FROM:TO:STEP\n"
           "                         a heat pump's heating axes, the cooling side at the duty\n"
           "  --json                 one JSON object: \"model\", \"series\", \"conditions\", \"cooling\"\n"
           "                         (and \"heating\"), each point with its status and select's figures\n"
           "  --energyplus FILE.idf  also the unit as an EnergyPlus Chiller:Electric:EIR with capacity and\n"
           "                         EIR curves fitted over the ok points and a part-load curve from the\n"
           "                         unit's part-load table (their fit errors in the file and the JSON)\n"
           "Without --json: CSV with a header line, one line per point; status ok, envelope, flow,\n"
           "not-available or outside-grid, and the reason in the program's words.\n\n" +
           PageOptionsSection() +
           "Exit codes: 0 done, 1 the work could not be done or the duty is refused (its reason on\n"
           "standard error), 2 wrong usage (a model the brand does not sell, an empty or reversed range).\n";
}

}  // namespace

std::string ProgramUsage() {
    return "usage: " + Synopsis(kSelectSynopsis) + "\n       " + Synopsis(kDatasheetSynopsis) + "\n       " +
           Synopsis(kBatchSynopsis) + "\n       " + Synopsis(kMapSynopsis) +
           "\n"
           "       keld-cli help [COMMAND]      keld-cli COMMAND --help      keld-cli --version\n\n"
           "keld-cli help COMMAND tells what a command does and lists all of its options.\n" +
           PageOptionsSection();
}

std::string CommandUsage(std::string_view command) {
    if (command == "select") return SelectUsage();
    if (command == "datasheet") return DatasheetUsage();
    if (command == "batch") return BatchUsage();
    if (command == "map") return MapUsage();
    return {};
}

}  // namespace keld::cli
