#pragma once

#include "osmira/check/derivation_check.h"

#include <array>
#include <cstddef>
#include <string>

namespace osmira {

// One word for a handed-in file, in this order on the page's totals. When several hold, the
// one further down this list is given: an unreadable file has nothing else to say; a changed
// statement makes whatever the file derives no answer to the exercise set; a wrong step makes
// the steps after it count for nothing; and only a derivation that holds is incomplete or solved.
enum class ClassStatus { Solved, Incomplete, WrongStep, DifferentStatement, Unreadable };

inline constexpr std::size_t kClassStatuses = 5;

// `sameStatement`: whether the file asks what the assigned exercise asks (true when there was
// none to compare with). The check of an unreadable file is not read.
ClassStatus classStatus(bool readable, const DerivationCheck& check, bool sameStatement);

// "resuelto", "incompleto", "paso erróneo", "enunciado distinto", "ilegible" (UTF-8).
std::string statusWord(ClassStatus status);

// How many files have each status.
class StatusTotals {
  public:
    // `compared`: the statements were compared with an assigned one, so "enunciado distinto"
    // is counted; without, it could not happen and is not listed.
    explicit StatusTotals(bool compared) : compared_(compared) {}

    void add(ClassStatus status) { ++counts_[static_cast<std::size_t>(status)]; }
    std::size_t count(ClassStatus status) const { return counts_[static_cast<std::size_t>(status)]; }
    bool listed(ClassStatus status) const { return compared_ || status != ClassStatus::DifferentStatement; }

    // "Estados: resuelto 3, incompleto 1, paso erróneo 2, ilegible 2" (UTF-8), the listed ones.
    std::string text() const;

  private:
    bool compared_;
    std::array<std::size_t, kClassStatuses> counts_{};
};

// What verify's summary counts: the files, those whose derivation holds (and of them those that
// solve the exercise set), those with a wrong step, those that could not be read, and those whose
// conclusion follows from their hypotheses.
struct FileTotals {
    std::size_t files = 0;
    std::size_t valid = 0;
    std::size_t solved = 0;
    std::size_t invalid = 0;
    std::size_t unreadable = 0;
    std::size_t derivable = 0;

    // The check of an unreadable file is not read.
    void add(bool readable, const DerivationCheck& check, ClassStatus status, bool isDerivable);
    // "Ficheros: 4, válidos: 2, resueltos: 1, no válidos: 1, ilegibles: 1" (UTF-8).
    std::string text() const;
};

// Every status in the order of the list above.
std::array<ClassStatus, kClassStatuses> everyClassStatus();

} // namespace osmira
