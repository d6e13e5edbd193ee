#include "commands.h"

#include "arguments.h"
#include "element_lines.h"
#include "terminal_text.h"
#include "text_encoding.h"

#include "osmira/archive/exam_lock.h"
#include "osmira/archive/exercise_file.h"
#include "osmira/check/derivation_check.h"
#include "osmira/formula/formula_entry.h"
#include "osmira/model/element_list.h"
#include "osmira/rules/rule_request.h"
#include "osmira/rules/transformation_rules.h"
#include "osmira/texts/messages.h"
#include "osmira/tutor/derivability.h"
#include "osmira/tutor/derivation_search.h"
#include "suite/latin1.h"

#include <ctime>
#include <limits>

namespace osmira::cli {

namespace {

constexpr std::size_t kLongestTitle = 50;
const std::string kTitleTooLong =
    suite::latin1FromUtf8("La longitud del Título no debe ser mayor de 50 carácteres.");

// A file that cannot be read as an exercise, or written: the path as given, then the reason.
int cannotRead(Streams io, const std::string& path, const std::string& reason) {
    io.err << "osmira-cli: " << path << ": " << suite::utf8FromLatin1(reason) << '\n';
    return kExitUsage;
}

int save(Streams io, const CEjercicio& exercise, const std::string& path) {
    const suite::FileSave save = writeExerciseFile(path, exercise);
    return save.saved() ? kExitOk : cannotRead(io, path, save.reason());
}

// A text option given in UTF-8, as Latin-1; false after reporting a character it cannot hold.
bool textOption(const suite::CommandLine& arguments, const std::string& name, std::string& value,
                Streams io) {
    std::optional<std::string> given = arguments.value(name);
    if (!given) {
        return true;
    }
    // As the dialogs do: a usual equivalent is written and said; what has none is refused, named.
    const suite::Latin1Fit fit = suite::fitLatin1(*given);
    if (!fit.leftOut.empty()) {
        std::string named;
        for (const std::string& character : fit.leftOut) {
            named += " " + character;
        }
        // UTF-8 as given: the characters named are those Latin-1 lacks.
        io.err << "osmira-cli: " << name
               << ": el fichero no puede guardar estos caracteres, que no son del alfabeto latino:" << named
               << '\n';
        return false;
    }
    if (fit.changed()) {
        io.err << "osmira-cli: " << name << ": " << suite::describeFit(fit) << '\n';
    }
    value = fit.latin1;
    return true;
}

std::string escapeLineBreaks(const std::string& text) {
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            escaped += "\\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            escaped += text[i];
        }
    }
    return escaped;
}

struct NewExerciseData {
    std::string title, author, description;
    std::int32_t date = 0;
    std::vector<std::string> hypotheses;
    std::string conclusion;
};

int readNewExerciseData(const suite::CommandLine& arguments, NewExerciseData& data, Streams io) {
    if (!textOption(arguments, "--title", data.title, io) ||
        !textOption(arguments, "--author", data.author, io) ||
        !textOption(arguments, "--description", data.description, io)) {
        return kExitUsage;
    }
    if (data.title.size() > kLongestTitle) {
        return usageError(io, kTitleTooLong);
    }
    data.date = static_cast<std::int32_t>(std::time(nullptr));
    if (auto date = arguments.value("--date")) {
        auto seconds = suite::wholeNumber(*date, std::numeric_limits<std::int32_t>::min(),
                                          std::numeric_limits<std::int32_t>::max());
        if (!seconds) {
            return usageError(io, "--date: se esperan segundos desde 1970 (entero de 32 bits)");
        }
        data.date = static_cast<std::int32_t>(*seconds);
    }
    for (const std::string& hypothesis : arguments.values("--hyp")) {
        data.hypotheses.push_back(formulaArgument(hypothesis));
    }
    // Without hypotheses the conclusion is a theorem, proved from the empty sheet.
    if (data.hypotheses.empty() && !arguments.value("--concl")) {
        return usageError(io, messages::kNoHypothesis);
    }
    if (data.hypotheses.size() > static_cast<std::size_t>(kHypothesisSlots)) {
        return usageError(io, suite::latin1FromUtf8("como mucho seis hipótesis"));
    }
    if (auto conclusion = arguments.value("--concl")) {
        data.conclusion = formulaArgument(*conclusion);
        if (data.conclusion.empty()) {
            return reportError(io, messages::kEmptyFormula, kExitRefused);
        }
    }
    for (const std::string& hypothesis : data.hypotheses) {
        if (hypothesis.empty()) {
            return reportError(io, messages::kEmptyFormula, kExitRefused);
        }
    }
    if (auto refusal = data.hypotheses.empty() ? formulaEntryRefusal(data.conclusion)
                                               : checkExerciseFormulas(data.hypotheses, data.conclusion)) {
        return reportError(io, *refusal, kExitRefused);
    }
    return kExitOk;
}

// The element position of a rule request: a whole number within the last step's list.
std::optional<std::size_t> elementPosition(const std::string& text, const COsmiraDoc& step) {
    auto position = suite::wholeNumber(text, 0, static_cast<long long>(step.GetElements().size()) - 1);
    if (!position) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*position);
}

int reportOutcome(RuleOutcome outcome, const WindowlessWorkbench& workbench, Streams io) {
    switch (outcome) {
    case RuleOutcome::Committed:
        return kExitOk;
    case RuleOutcome::Refused:
        return reportError(io, workbench.refusal, kExitRefused);
    case RuleOutcome::Cancelled:
        return reportError(
            io, suite::latin1FromUtf8("Inserción cancelada (falta --insert): el ejercicio no cambia."),
            kExitRefused);
    default:
        return reportError(io, "la regla no se ha aplicado: el ejercicio no cambia.", kExitRefused);
    }
}

// The rule's request on the last step: its element and, for an iteration, the graph it copies;
// nothing after reporting a usage error.
std::optional<RuleRequest> requestOn(const suite::CommandLine& arguments, Rule rule, const COsmiraDoc& last,
                                     Streams io) {
    const auto element = elementPosition(arguments.positional()[2], last);
    if (!element) {
        usageError(
            io, suite::latin1FromUtf8("ELEMENTO es una posición de la lista del último paso (0 = la hoja)"));
        return std::nullopt;
    }
    RuleRequest request{rule, *element, std::nullopt};
    if (auto source = arguments.value("--source")) {
        request.source = elementPosition(*source, last);
        if (!request.source) {
            usageError(io, suite::latin1FromUtf8("--source es una posición de la lista del último paso"));
            return std::nullopt;
        }
    } else if (rule == Rule::Iteration) {
        usageError(io, suite::latin1FromUtf8("la iteración necesita --source (el gráfico que se copia)"));
        return std::nullopt;
    }
    return request;
}

} // namespace

int newCommand(const std::vector<std::string>& words, Streams io) {
    const suite::CommandLine arguments =
        valueOptions(words, {"--title", "--author", "--description", "--date", "--hyp", "--concl", "-o"});
    if (!arguments.ok()) {
        return refusedLine(io, arguments);
    }
    if (!arguments.positional().empty() || !arguments.value("-o")) {
        return usageError(io, suite::latin1FromUtf8("new necesita -o FICHERO y ningún otro argumento"));
    }
    NewExerciseData data;
    if (int status = readNewExerciseData(arguments, data, io); status != kExitOk) {
        return status;
    }
    CEjercicio exercise;
    exercise.SetTitle(data.title);
    exercise.SetAuthor(data.author);
    exercise.SetDescription(data.description);
    exercise.SetCreationDate(data.date);
    exercise.SetHypotheses(buildHypothesesFormula(data.hypotheses));
    exercise.SetConclusion(data.conclusion);
    WindowlessWorkbench workbench;
    exercise.attachWorkbench(workbench);
    if (!exercise.CreateExercise()) {
        return reportError(io, messages::kFormulaSyntax, kExitRefused);
    }
    // A teacher may want such an exercise: it is made, and the student told why it cannot be done,
    // but not in an exam, where that may be the question itself (as in the window).
    if (const std::string note =
            examLockFile() ? std::string() : notDerivableNote(decideDerivability(exercise));
        !note.empty()) {
        reportError(io, note, kExitOk);
    }
    return save(io, exercise, *arguments.value("-o"));
}

int applyCommand(const std::vector<std::string>& words, Streams io) {
    const suite::CommandLine arguments = valueOptions(words, {"--source", "--insert", "--position", "-o"});
    if (!arguments.ok()) {
        return refusedLine(io, arguments);
    }
    if (arguments.positional().size() != 3) {
        return usageError(io, "apply necesita FICHERO REGLA ELEMENTO");
    }
    const std::string& path = arguments.positional()[0];
    auto rule = suite::wholeNumber(arguments.positional()[1], static_cast<long long>(Rule::Erasure),
                                   static_cast<long long>(Rule::DoubleCut));
    if (!rule) {
        return usageError(io, suite::latin1FromUtf8("la regla es un número de 1 a 5"));
    }
    auto position = suite::wholeNumber(arguments.value("--position").value_or("0"), 0, 1);
    if (!position) {
        return usageError(io, "--position es 0 (dentro) o 1 (alrededor)");
    }
    WindowlessWorkbench workbench;
    workbench.doubleCutPosition = static_cast<DoubleCutPosition>(*position);
    if (auto insert = arguments.value("--insert")) {
        std::string formula = formulaArgument(*insert);
        if (const std::optional<std::string> refusal = insertionRefusal(formula)) {
            return reportError(io, *refusal, kExitRefused);
        }
        workbench.formulaToInsert = formula;
    }
    HeldExerciseRead opened = readHeldExerciseFile(path);
    if (!opened.value) {
        return cannotRead(io, path, opened.reason);
    }
    CEjercicio& exercise = *opened.value;
    COsmiraDoc* last = exercise.lastStep();
    if (!last) {
        return reportError(io, "el ejercicio no tiene pasos", kExitRefused);
    }
    const std::optional<RuleRequest> request = requestOn(arguments, static_cast<Rule>(*rule), *last, io);
    if (!request) {
        return kExitUsage;
    }
    exercise.attachWorkbench(workbench);
    exercise.ReopenAfterReading();
    RuleOutcome outcome = requestRule(exercise, *request);
    if (outcome != RuleOutcome::Committed) {
        return reportOutcome(outcome, workbench, io);
    }
    return save(io, exercise, arguments.value("-o").value_or(path));
}

int solveCommand(const std::vector<std::string>& words, Streams io) {
    const suite::CommandLine arguments = valueOptions(words, {"-o"});
    if (!arguments.ok()) {
        return refusedLine(io, arguments);
    }
    if (arguments.positional().size() != 1) {
        return usageError(io, "solve necesita FICHERO");
    }
    // The tutor's whole derivation: an exam lock keeps it from the student here too.
    if (const std::optional<std::string> lock = examLockFile()) {
        io.err << "osmira-cli: solve no está disponible: el profesor ha desactivado las pistas para "
                  "el examen en "
               << *lock << '\n';
        return kExitRefused;
    }
    const std::string& path = arguments.positional().front();
    HeldExerciseRead opened = readHeldExerciseFile(path);
    if (!opened.value) {
        return cannotRead(io, path, opened.reason);
    }
    CEjercicio& exercise = *opened.value;
    // Steps appended to a derivation that does not hold would not make it hold.
    if (const DerivationCheck check = checkDerivation(exercise); !check.valid) {
        return reportError(io,
                           suite::latin1FromUtf8("la derivación del ejercicio no es válida: ") + check.reason,
                           kExitRefused);
    }
    const DerivationSearch search = findDerivation(exercise);
    if (search.outcome != SearchOutcome::Found) {
        return reportError(io, search.reason,
                           search.outcome == SearchOutcome::TooLarge ? kExitTooLarge : kExitRefused);
    }
    WindowlessWorkbench workbench;
    exercise.attachWorkbench(workbench);
    exercise.ReopenAfterReading();
    for (const SolutionStep& step : search.steps) {
        if (RuleOutcome outcome = applySolutionStep(exercise, workbench, step);
            outcome != RuleOutcome::Committed) {
            return reportOutcome(outcome, workbench, io);
        }
    }
    const int status = save(io, exercise, arguments.value("-o").value_or(path));
    if (status == kExitOk) {
        io.out << "pasos añadidos: " << search.steps.size() << '\n';
    }
    return status;
}

int showCommand(const std::vector<std::string>& words, Streams io) {
    const suite::CommandLine arguments = valueOptions(words, {});
    if (!arguments.ok()) {
        return refusedLine(io, arguments);
    }
    if (arguments.positional().size() != 1) {
        return usageError(io, "show necesita FICHERO");
    }
    const std::string& path = arguments.positional().front();
    ExerciseRead opened = readExerciseFile(path);
    if (!opened.value) {
        return cannotRead(io, path, opened.reason);
    }
    const CEjercicio& exercise = *opened.value;
    io.out << "title: " << terminalText(suite::utf8FromLatin1(exercise.GetTitle())) << '\n'
           << "author: " << terminalText(suite::utf8FromLatin1(exercise.GetAuthor())) << '\n'
           << "date: " << exercise.GetCreationDate() << '\n'
           << "description: "
           << terminalText(suite::utf8FromLatin1(escapeLineBreaks(exercise.GetDescription()))) << '\n'
           << "hypotheses: " << terminalText(suite::utf8FromLatin1(exercise.GetHypotheses())) << '\n'
           << "conclusion: " << terminalText(suite::utf8FromLatin1(exercise.GetConclusion())) << '\n'
           << "working: " << terminalText(suite::utf8FromLatin1(exercise.GetWorking())) << '\n'
           << "goal: " << (exercise.goalReached() ? "reached" : "not reached") << '\n'
           << "steps: " << exercise.GetSteps().size() << '\n';
    int number = 0;
    for (const auto& step : exercise.GetSteps()) {
        io.out << "step " << ++number << " \"" << terminalText(suite::utf8FromLatin1(step->GetTitle()))
               << "\" applied=" << static_cast<int>(step->GetAppliedRule())
               << " bracket=" << bracketFormOf(*step) << '\n';
        printElementLines(io.out, *step, "  ");
    }
    return kExitOk;
}

int truncateCommand(const std::vector<std::string>& words, Streams io) {
    const suite::CommandLine arguments = valueOptions(words, {"-o"});
    if (!arguments.ok()) {
        return refusedLine(io, arguments);
    }
    if (arguments.positional().size() != 2) {
        return usageError(io, "truncate necesita FICHERO K");
    }
    const std::string& path = arguments.positional()[0];
    HeldExerciseRead opened = readHeldExerciseFile(path);
    if (!opened.value) {
        return cannotRead(io, path, opened.reason);
    }
    auto keep = suite::wholeNumber(arguments.positional()[1], 1,
                                   static_cast<long long>(opened.value->GetSteps().size()));
    if (!keep) {
        return usageError(io, "K es un paso del ejercicio, de 1 a " +
                                  std::to_string(opened.value->GetSteps().size()));
    }
    WindowlessWorkbench workbench;
    opened.value->attachWorkbench(workbench);
    opened.value->ReopenAfterReading();
    opened.value->removeStepsAfter(static_cast<std::size_t>(*keep - 1));
    return save(io, *opened.value, arguments.value("-o").value_or(path));
}

} // namespace osmira::cli
