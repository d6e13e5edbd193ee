#pragma once

#include "osmira/derivability.h"
#include "osmira/derivation_check.h"
#include "osmira/ejercicio.h"

#include <cstddef>
#include <string>
#include <vector>

namespace osmira {

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
    // The first step that does not follow, as an <svg> element; empty when there is none.
    std::string picture;
};

// A picture in a row is at most this many pixels wide.
inline constexpr int kWidestRowPicture = 240;

ClassRow classRow(const std::string& file, const CEjercicio& exercise, const DerivationCheck& check);
ClassRow unreadableRow(const std::string& file, const std::string& latin1Reason);

// One HTML page (UTF-8) of the rows in their order: a table whose columns sort when their heading
// is clicked (a few lines of script, nothing fetched), the picture of each first failing step
// inline, and the totals.
std::string classPage(const std::vector<ClassRow>& rows);

// The same rows for a spreadsheet: UTF-8, a header row, fields quoted as RFC 4180 says, lines
// ended by CR LF; no pictures.
std::string classCsv(const std::vector<ClassRow>& rows);

} // namespace osmira
