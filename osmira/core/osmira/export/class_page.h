#pragma once

#include "osmira/check/class_status.h"
#include "osmira/check/derivation_check.h"
#include "osmira/check/statement.h"
#include "osmira/model/ejercicio.h"
#include "osmira/tutor/derivability.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace osmira {

// A step drawn in a row, with its caption (UTF-8).
struct StepPicture {
    std::string caption;
    std::string svg; // an <svg> element
};

// What the class page and its CSV say of one handed-in file.
struct ClassRow {
    std::string file; // the path as found, in the bytes the system gave (UTF-8, or else Latin-1)
    bool readable = false;
    std::string title;  // Latin-1
    std::string author; // Latin-1
    DerivationCheck check;
    Derivability derivability = Derivability::NoConclusion;
    // Latin-1: why the file could not be read, else the check's reason.
    std::string reason;
    ClassStatus status = ClassStatus::Unreadable;
    std::string hypotheses; // in logic signs, UTF-8 (hypothesesText)
    std::string conclusion; // in logic signs, UTF-8; empty without one
    // The first step that does not follow, after the step it should follow from (for the first
    // step, the diagram the formulas give); empty when every step follows.
    std::vector<StepPicture> pictures;
};

// A picture in a row is at most this many pixels wide.
inline constexpr int kWidestRowPicture = 240;

// `check` and `derivability` as checkDerivation and decideDerivability gave them (the caller has
// them already); `sameStatement`: whether the file asks what the assigned exercise asks (true
// when no exercise was assigned).
ClassRow classRow(const std::string& file, const CEjercicio& exercise, const DerivationCheck& check,
                  Derivability derivability, bool sameStatement = true);
ClassRow unreadableRow(const std::string& file, const std::string& latin1Reason);

// The exercise the files were compared with (verify --against).
struct AssignedStatement {
    std::string file; // as given, in the system's bytes
    Statement statement;
};

// One HTML page (UTF-8) of the rows in their order: the assigned statement if there is one, the
// totals by status (each status in a colour whose grey differs from the others', printed too),
// then a table whose columns sort when their heading is clicked (a few lines of script, nothing
// fetched), with the pictures of each first failing step inline.
std::string classPage(const std::vector<ClassRow>& rows,
                      const std::optional<AssignedStatement>& assigned = std::nullopt);

// The same rows for a spreadsheet: UTF-8, a header row, fields separated by `separator` (a
// comma, a semicolon or a tab) and quoted as RFC 4180 says, lines ended by CR LF; no pictures
// and no totals, so that every row below the header is a file.
std::string classCsv(const std::vector<ClassRow>& rows, char separator = ',');

} // namespace osmira
