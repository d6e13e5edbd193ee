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

} // namespace osmira
