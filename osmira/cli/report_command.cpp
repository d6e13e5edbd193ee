#include "commands.h"

#include "arguments.h"
#include "report_files.h"

#include "osmira/archive/exercise_file.h"
#include "osmira/report/informe.h"
#include "suite/latin1.h"

namespace osmira::cli {

namespace {

// Eight characters 0/1 in the dialog's order: cover, title, author, date, description,
// diagram sequence, comments, Alpha chapter.
std::optional<ReportOptions> parseOptionBits(const std::string& bits) {
    if (bits.size() != 8 || bits.find_first_not_of("01") != std::string::npos) {
        return std::nullopt;
    }
    const auto on = [&bits](std::size_t i) { return bits[i] == '1'; };
    return ReportOptions{on(0), on(1), on(2), on(3), on(4), on(5), on(6), on(7)};
}

} // namespace

int reportCommand(const std::vector<std::string>& words, Streams io) {
    const suite::CommandLine arguments = valueOptions(words, {"--options"});
    if (!arguments.ok()) {
        return refusedLine(io, arguments);
    }
    if (arguments.positional().size() != 2) {
        return usageError(io, "report necesita FICHERO e INFORME");
    }
    if (arguments.values("--options").size() > 1) {
        return usageError(io, suite::latin1FromUtf8("--options se da una sola vez"));
    }
    std::optional<ReportOptions> options = ReportOptions{};
    if (std::optional<std::string> bits = arguments.value("--options")) {
        options = parseOptionBits(*bits);
        if (!options) {
            return usageError(io, "--options necesita ocho cifras 0/1: " + suite::latin1FromUtf8(*bits));
        }
    }
    const std::string& exercisePath = arguments.positional()[0];
    ExerciseRead opened = readExerciseFile(exercisePath);
    if (!opened.value) {
        io.err << "osmira-cli: " << exercisePath << ": " << suite::utf8FromLatin1(opened.reason) << '\n';
        return kExitUsage;
    }
    if (std::optional<std::string> failure =
            render::writeReport(*opened.value, *options, arguments.positional()[1])) {
        return reportError(io, *failure, kExitRefused);
    }
    return kExitOk;
}

} // namespace osmira::cli
