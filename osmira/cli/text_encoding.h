#pragma once

#include <string>
#include <string_view>

namespace osmira::cli {

// The command line speaks UTF-8 and the model Latin-1: text fields go through suite::fitLatin1,
// as in the dialogs, and what has no Latin-1 equivalent is refused.

// A formula typed on the command line as the formula alphabet: ~ & | > and the UTF-8 signs
// ¬ ∧ ∨ → become the connective bytes, the bytes themselves pass, blanks are removed.
std::string formulaArgument(std::string_view text);

} // namespace osmira::cli
