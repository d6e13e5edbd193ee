#include "commands.h"

#include "arguments.h"
#include "element_lines.h"
#include "text_encoding.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/model/ejercicio.h"
#include "osmira/model/layout.h"
#include "osmira/texts/messages.h"
#include "suite/latin1.h"

namespace osmira::cli {

namespace {

// The single positional word of a command without options.
std::optional<std::string> onlyWord(const std::vector<std::string>& words, Streams io,
                                    const std::string& what) {
    const suite::CommandLine line = valueOptions(words, {});
    if (!line.ok()) {
        refusedLine(io, line);
        return std::nullopt;
    }
    if (line.positional().size() != 1) {
        usageError(io, "se espera " + what);
        return std::nullopt;
    }
    return line.positional().front();
}

} // namespace

int checkCommand(const std::vector<std::string>& words, Streams io) {
    auto word = onlyWord(words, io, suite::latin1FromUtf8("una fórmula"));
    if (!word) {
        return kExitUsage;
    }
    std::optional<std::string> refusal = formulaEntryRefusal(formulaArgument(*word));
    io.out << (refusal ? suite::utf8FromLatin1(*refusal) : "ok") << '\n';
    return refusal ? kExitRefused : kExitOk;
}

int convertCommand(const std::vector<std::string>& words, Streams io) {
    auto word = onlyWord(words, io, suite::latin1FromUtf8("una fórmula"));
    if (!word) {
        return kExitUsage;
    }
    std::string formula = formulaArgument(*word);
    if (std::optional<std::string> refusal = formulaEntryRefusal(formula)) {
        return reportError(io, *refusal, kExitRefused);
    }
    CEjercicio exercise;
    io.out << exercise.ConvertFormula(formula) << '\n';
    return kExitOk;
}

int layoutCommand(const std::vector<std::string>& words, Streams io) {
    auto bracket = onlyWord(words, io, "una forma de corchetes");
    if (!bracket) {
        return kExitUsage;
    }
    if (!isBracketForm(*bracket)) {
        return reportError(io,
                           "\"" + *bracket +
                               "\" no es una forma de corchetes: solo [, ] y letras A-Z, con cada corte "
                               "cerrado.",
                           kExitRefused);
    }
    if (!fitsAnExercise(*bracket)) {
        return reportError(io,
                           suite::latin1FromUtf8("la forma de corchetes tiene más de ") +
                               std::to_string(kLongestBracketForm) +
                               suite::latin1FromUtf8(" caracteres, más de los que puede tener un ejercicio."),
                           kExitRefused);
    }
    COsmiraDoc diagram;
    BuildDiagram(diagram, defaultAppearances(), *bracket);
    printElementLines(io.out, diagram);
    return kExitOk;
}

} // namespace osmira::cli
