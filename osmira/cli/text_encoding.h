#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace osmira::cli {

// UTF-8 text of the command line as the model's Latin-1 bytes; nothing when it holds a
// character outside Latin-1 or is not UTF-8.
std::optional<std::string> Utf8ToLatin1(std::string_view utf8);

std::string Latin1ToUtf8(std::string_view latin1);

// A formula typed on the command line as the formula alphabet: ~ & | > and the UTF-8 signs
// ¬ ∧ ∨ → become the connective bytes, the bytes themselves pass, blanks are removed.
std::string FormulaArgument(std::string_view text);

} // namespace osmira::cli
