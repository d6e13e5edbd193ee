#pragma once

#include <string>
#include <string_view>

namespace osmira {

// Converts a formula that passed CheckFormulaSyntax into its bracket form, working in the
// caller's operand and result strings and leaving the bracket form in result.
// Returns false when the formula nests deeper than the conversion stacks hold; the result
// is then not the formula's bracket form and must not be used.
bool convertFormulaInto(std::string_view formula, std::string& operand, std::string& result);

// Whether the conversion of a formula stays within its stacks.
bool conversionFits(std::string_view formula);

} // namespace osmira
