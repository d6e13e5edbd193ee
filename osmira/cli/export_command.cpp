#include "commands.h"

#include "arguments.h"

#include "osmira/archive/exercise_file.h"
#include "osmira/export/diagram_export.h"
#include "suite/file_saving.h"
#include "suite/latin1.h"
#include "suite/word_list.h"

#include <string>

namespace osmira::cli {

namespace {

// "--svg, --tikz o --latex".
std::string formatOptions() {
    std::vector<std::string_view> options;
    for (const ExportFormat& format : exportFormats()) {
        options.push_back(format.option);
    }
    return suite::wordList(options, "o");
}

// The format flags, the style flags, and the step and output with their values.
suite::CommandLine exportLine(const std::vector<std::string>& words) {
    std::vector<suite::CommandOption> options{{.name = "--window-look"},
                                              {.name = "--show-mark"},
                                              {.name = "--step", .takesValue = true},
                                              {.name = "-o", .takesValue = true}};
    for (const ExportFormat& format : exportFormats()) {
        options.push_back({.name = format.option});
    }
    return suite::CommandLine(words, options);
}

std::vector<DiagramExport> chosenFormats(const suite::CommandLine& line) {
    std::vector<DiagramExport> formats;
    for (const ExportFormat& format : exportFormats()) {
        if (line.has(format.option)) {
            formats.push_back(format.format);
        }
    }
    return formats;
}

// How the figure is drawn: for paper unless asked for the window's look, or for paper with the
// marked element shown.
std::optional<FigureStyle> chosenStyle(const suite::CommandLine& line, std::string& problem) {
    const bool windowLook = line.has("--window-look");
    const bool showMark = line.has("--show-mark");
    if (windowLook && showMark) {
        problem =
            "--show-mark no vale con --window-look: el aspecto de la ventana ya señala el elemento marcado";
        return std::nullopt;
    }
    return windowLook ? FigureStyle::Window : showMark ? FigureStyle::PrintWithMark : FigureStyle::Print;
}

// The step to draw: the one asked for, or the last.
std::optional<std::size_t> chosenStep(const suite::CommandLine& arguments, std::size_t steps) {
    const std::optional<std::string> asked = arguments.value("--step");
    if (!asked) {
        return steps - 1;
    }
    const auto step = suite::wholeNumber(*asked, 1, static_cast<long long>(steps));
    return step ? std::optional<std::size_t>(static_cast<std::size_t>(*step - 1)) : std::nullopt;
}

} // namespace

int exportCommand(const std::vector<std::string>& words, Streams io) {
    const suite::CommandLine arguments = exportLine(words);
    if (!arguments.ok()) {
        return refusedLine(io, arguments);
    }
    const std::vector<DiagramExport> formats = chosenFormats(arguments);
    std::string styleProblem;
    const std::optional<FigureStyle> style = chosenStyle(arguments, styleProblem);
    if (!style) {
        return usageError(io, suite::latin1FromUtf8(styleProblem));
    }
    if (arguments.positional().size() != 1 || formats.size() != 1 || !arguments.value("-o")) {
        return usageError(io, "export necesita FICHERO, uno de " + formatOptions() + ", y -o SALIDA");
    }
    if (const ExportFormat& format = exportFormat(formats.front());
        format.everyStep && arguments.value("--step")) {
        return usageError(io, "--step no vale con " + std::string(format.option) +
                                  ": el documento lleva todos los pasos");
    }
    const std::string& path = arguments.positional().front();
    ExerciseRead opened = readExerciseFile(path);
    if (!opened.value) {
        io.err << "osmira-cli: " << path << ": " << suite::utf8FromLatin1(opened.reason) << '\n';
        return kExitUsage;
    }
    const auto& steps = opened.value->GetSteps();
    if (steps.empty()) {
        io.err << "osmira-cli: " << path << ": el ejercicio no tiene ningún paso\n";
        return kExitRefused;
    }
    const std::optional<std::size_t> step = chosenStep(arguments, steps.size());
    if (!step) {
        return usageError(io,
                          "--step debe ser un paso del ejercicio, de 1 a " + std::to_string(steps.size()));
    }
    const std::string output = *arguments.value("-o");
    const suite::FileSave save =
        suite::replaceFile(output, exportedDiagram(*opened.value, *steps[*step], formats.front(), *style));
    if (!save.saved()) {
        // The path as given, in UTF-8; the reason in Latin-1.
        io.err << "osmira-cli: " << output << ": " << suite::utf8FromLatin1(save.reason()) << '\n';
        return kExitRefused;
    }
    return kExitOk;
}

} // namespace osmira::cli
