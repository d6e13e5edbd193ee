#include "osmira/check/class_status.h"

namespace osmira {

ClassStatus classStatus(bool readable, const DerivationCheck& check, bool sameStatement) {
    if (!readable) {
        return ClassStatus::Unreadable;
    }
    if (!sameStatement) {
        return ClassStatus::DifferentStatement;
    }
    if (!check.valid) {
        return ClassStatus::WrongStep;
    }
    return check.goalReached ? ClassStatus::Solved : ClassStatus::Incomplete;
}

std::string statusWord(ClassStatus status) {
    static constexpr std::array<const char*, kClassStatuses> kWords{"resuelto", "incompleto", "paso erróneo",
                                                                    "enunciado distinto", "ilegible"};
    return kWords[static_cast<std::size_t>(status)];
}

std::array<ClassStatus, kClassStatuses> everyClassStatus() {
    return {ClassStatus::Solved, ClassStatus::Incomplete, ClassStatus::WrongStep,
            ClassStatus::DifferentStatement, ClassStatus::Unreadable};
}

std::string StatusTotals::text() const {
    std::string text = "Estados:";
    for (const ClassStatus status : everyClassStatus()) {
        if (listed(status)) {
            text +=
                (text.back() == ':' ? " " : ", ") + statusWord(status) + " " + std::to_string(count(status));
        }
    }
    return text;
}

void FileTotals::add(bool readable, const DerivationCheck& check, ClassStatus status, bool isDerivable) {
    ++files;
    unreadable += readable ? 0 : 1;
    invalid += readable && !check.valid ? 1 : 0;
    valid += readable && check.valid ? 1 : 0;
    // A derivation of another exercise solves nothing that was set.
    solved += status == ClassStatus::Solved ? 1 : 0;
    derivable += readable && isDerivable ? 1 : 0;
}

std::string FileTotals::text() const {
    return "Ficheros: " + std::to_string(files) + ", válidos: " + std::to_string(valid) +
           ", resueltos: " + std::to_string(solved) + ", no válidos: " + std::to_string(invalid) +
           ", ilegibles: " + std::to_string(unreadable);
}

} // namespace osmira
