#pragma once

#include "varquen/formula_file.h"

#include <iosfwd>

namespace varquen::cli {

// --valid: the verdict's line and, when not valid, the countermodel (with `json`, one JSON object);
// the status is the verdict's (0 valid, 1 not valid, 3 unknown), 2 when the formula does not
// translate, 3 when standard output cannot be written.
int answerValidity(const FormulaFile& file, bool json, std::ostream& out, std::ostream& err);

// --tptp: the TPTP problem of the translation, and the original in tff; status 0, 2 when the
// formula does not translate, 3 when standard output cannot be written.
int writeTptp(const FormulaFile& file, std::ostream& out, std::ostream& err);

} // namespace varquen::cli
