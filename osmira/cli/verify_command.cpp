#include "commands.h"

#include "arguments.h"
#include "class_files.h"
#include "json_text.h"
#include "terminal_text.h"

#include "osmira/archive/exercise_file.h"
#include "osmira/check/class_status.h"
#include "osmira/check/derivation_check.h"
#include "osmira/check/statement.h"
#include "osmira/tutor/derivability.h"
#include "suite/latin1.h"
#include "suite/system_reason.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

namespace osmira::cli {

namespace {

namespace fs = std::filesystem;

struct VerifiedFile {
    std::string path;      // as given, or as found under a folder
    std::string readError; // Latin-1; empty when the file was read
    DerivationCheck check;
    std::optional<bool> derivable = std::nullopt; // whether the goal follows; nothing without one
    Statement statement = {};
    bool sameStatement = true; // as the assigned exercise's, or no exercise was assigned
    ClassStatus status = ClassStatus::Unreadable;
};

std::optional<bool> derivableOf(Derivability derivability) {
    if (derivability == Derivability::NoConclusion) {
        return std::nullopt;
    }
    return derivability == Derivability::Derivable;
}

// Anything named .omr but a folder (which is walked): a FIFO, a device, a dangling link or a
// loop of links is listed too, so that reading it says why it is not an exercise.
bool isExerciseFile(const fs::directory_entry& entry) {
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::error_code error;
    return extension == ".omr" && !entry.is_directory(error);
}

// Every .omr file under the folder, sorted by path; a folder that cannot be walked is itself
// reported as unreadable, after whatever was found in it.
std::vector<VerifiedFile> filesUnder(const std::string& folder, Streams io) {
    std::vector<VerifiedFile> files;
    std::error_code error;
    fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied, error);
    for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        if (isExerciseFile(*walk)) {
            files.push_back({walk->path().string(), {}, {}});
        }
    }
    std::sort(files.begin(), files.end(),
              [](const VerifiedFile& a, const VerifiedFile& b) { return a.path < b.path; });
    if (error) {
        files.push_back({folder,
                         suite::latin1FromUtf8("no se puede recorrer la carpeta: ") +
                             suite::spanishSystemReason(error.value()),
                         {}});
    } else if (files.empty()) {
        io.err << "osmira-cli: " << folder << ": no hay ningún fichero .omr\n";
    }
    return files;
}

void verify(VerifiedFile& file, const std::optional<Statement>& assigned, ClassFiles& classFiles) {
    if (file.readError.empty()) {
        ExerciseRead opened = readExerciseFile(file.path);
        if (opened.value) {
            file.check = checkDerivation(*opened.value);
            const Derivability derivability = decideDerivability(*opened.value).derivability;
            file.derivable = derivableOf(derivability);
            file.statement = statementOf(*opened.value);
            file.sameStatement = !assigned || sameStatement(file.statement, *assigned);
            file.status = classStatus(true, file.check, file.sameStatement);
            classFiles.add(file.path, *opened.value, file.check, derivability, file.sameStatement);
            return;
        }
        file.readError = opened.reason;
    }
    classFiles.addUnreadable(file.path, file.readError);
}

// The statement the files are compared with; nothing after saying why the file cannot be one.
std::optional<Statement> assignedStatement(const std::string& path, Streams io) {
    ExerciseRead opened = readExerciseFile(path);
    std::string reason = opened.reason;
    if (opened.value) {
        Statement statement = statementOf(*opened.value);
        if (!statement.hypotheses.empty() || !statement.conclusion.empty()) {
            return statement;
        }
        reason = suite::latin1FromUtf8("el ejercicio asignado no tiene hipótesis ni conclusión");
    }
    io.err << "osmira-cli: --against " << path << ": " << suite::utf8FromLatin1(reason) << '\n';
    return std::nullopt;
}

std::string stepCount(std::size_t steps) {
    return std::to_string(steps) + (steps == 1 ? " paso" : " pasos");
}

// What the file asks, after what became of it.
std::string statementPart(const VerifiedFile& file) {
    return (file.sameStatement ? "; enunciado: " : "; enunciado distinto: ") + statementText(file.statement);
}

// One file's line in UTF-8, the name as the system gave it; printed through terminalText.
std::string textLine(const VerifiedFile& file) {
    const std::string path = suite::utf8OrLatin1(file.path);
    if (!file.readError.empty()) {
        return path + ": ilegible: " + suite::utf8FromLatin1(file.readError);
    }
    const DerivationCheck& check = file.check;
    if (!check.valid) {
        return path + ": no válido: " + suite::utf8FromLatin1(check.reason) + statementPart(file);
    }
    return path +
           (check.goalReached ? ": válido, objetivo alcanzado (" : ": válido, objetivo no alcanzado (") +
           stepCount(check.steps) + ")" + statementPart(file);
}

std::string jsonLine(const VerifiedFile& file) {
    bool readable = file.readError.empty();
    const DerivationCheck& check = file.check;
    bool invalid = readable && !check.valid;
    std::string rule = invalid && check.rule != Rule::None
                           ? jsonString("R" + std::to_string(static_cast<int>(check.rule)))
                           : "null";
    std::string reason = !readable ? jsonString(suite::utf8FromLatin1(file.readError))
                         : invalid ? jsonString(suite::utf8FromLatin1(check.reason))
                                   : "null";
    std::string hypotheses = "null";
    if (readable) {
        hypotheses.clear();
        for (const std::string& formula : hypothesisFormulas(file.statement)) {
            hypotheses += (hypotheses.empty() ? "[" : ",") + jsonString(formula);
        }
        hypotheses = hypotheses.empty() ? "[]" : hypotheses + "]";
    }
    const std::string conclusion = conclusionFormula(file.statement);
    return "{\"file\":" + jsonString(suite::utf8OrLatin1(file.path)) + ",\"readable\":" + jsonBool(readable) +
           ",\"valid\":" + jsonBool(readable && check.valid) +
           ",\"goal_reached\":" + jsonBool(readable && check.goalReached) +
           ",\"steps\":" + (readable ? std::to_string(check.steps) : "null") +
           ",\"first_invalid_step\":" + (invalid ? std::to_string(check.firstInvalidStep) : "null") +
           ",\"rule\":" + rule + ",\"reason\":" + reason +
           ",\"derivable\":" + (file.derivable ? jsonBool(*file.derivable) : "null") +
           ",\"hypotheses\":" + hypotheses +
           ",\"conclusion\":" + (readable && !conclusion.empty() ? jsonString(conclusion) : "null") +
           ",\"status\":" + jsonString(statusWord(file.status)) + "}";
}

// The last JSON line: how many files have each status, keyed by its word.
std::string jsonTotals(const StatusTotals& totals) {
    std::string counts;
    for (const ClassStatus status : everyClassStatus()) {
        if (totals.listed(status)) {
            counts += (counts.empty() ? "" : ",") + jsonString(statusWord(status)) + ":" +
                      std::to_string(totals.count(status));
        }
    }
    return "{\"totals\":{" + counts + "}}";
}

} // namespace

int verifyCommand(const std::vector<std::string>& words, Streams io) {
    std::vector<suite::CommandOption> options{
        {.name = "--json"}, {.name = "--solved"}, {.name = "--against", .takesValue = true}};
    options.insert(options.end(), ClassFiles::options().begin(), ClassFiles::options().end());
    const suite::CommandLine line(words, options);
    if (!line.ok()) {
        return refusedLine(io, line);
    }
    const bool json = line.has("--json");
    const bool solvedOnly = line.has("--solved");
    const std::optional<std::string> againstPath = line.value("--against");
    const std::vector<std::string>& paths = line.positional();
    ClassFiles classFiles;
    classFiles.readOptions(line);
    if (!classFiles.optionError().empty()) {
        return usageError(io, classFiles.optionError());
    }
    if (paths.empty()) {
        return usageError(io, "verify necesita al menos un FICHERO o una CARPETA");
    }
    std::optional<Statement> assigned;
    if (againstPath) {
        assigned = assignedStatement(*againstPath, io);
        if (!assigned) {
            return kExitUsage;
        }
        classFiles.setAssigned({*againstPath, *assigned});
    }
    std::vector<VerifiedFile> files;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error)) {
            std::vector<VerifiedFile> found = filesUnder(path, io);
            files.insert(files.end(), found.begin(), found.end());
        } else {
            files.push_back({path, {}, {}});
        }
    }
    FileTotals counted;
    StatusTotals totals(assigned.has_value());
    for (VerifiedFile& file : files) {
        verify(file, assigned, classFiles);
        totals.add(file.status);
        counted.add(file.readError.empty(), file.check, file.status, file.derivable.value_or(false));
        io.out << (json ? jsonLine(file) : terminalText(textLine(file))) << '\n';
    }
    if (json) {
        io.out << jsonTotals(totals) << '\n';
    } else {
        io.out << counted.text() << '\n' << totals.text() << '\n';
    }
    if (!classFiles.write(io)) {
        return kExitRefused;
    }
    // A script reads success as "all handed-in work holds": never so when nothing was checked.
    const std::size_t different = totals.count(ClassStatus::DifferentStatement);
    if (files.empty() || counted.invalid + counted.unreadable + different > 0 ||
        (solvedOnly && counted.solved < files.size())) {
        return kExitRefused;
    }
    return kExitOk;
}

} // namespace osmira::cli
