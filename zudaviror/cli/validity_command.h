#pragma once

#include "options.h"

#include <iosfwd>
#include <string>

namespace zudaviror::cli {

// --valid: the verdict, then, when not valid, the countermodel and the truth values of the
// formula's subformulas at its worlds, then with --proof the tableau; with --json one object. The
// formula is one TRANS accepts. Returns the exit status of the verdict.
int answerValidity(const CliOptions& options, const std::string& formula, std::ostream& out);

// --tptp: the translation as a TPTP problem with the frame axioms of the system.
int writeTptpProblem(const CliOptions& options, const std::string& formula, std::ostream& out,
                     std::ostream& err);

} // namespace zudaviror::cli
