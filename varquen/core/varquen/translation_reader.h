#pragma once

#include "varquen/declarations.h"
#include "varquen/first_order.h"
#include "varquen/notifier.h"
#include "varquen/signature.h"

#include <optional>
#include <string>
#include <string_view>

namespace varquen {

// A plain translation read back over the signature it was written with; nothing when the text
// is not one the translator writes.
std::optional<FirstOrderFormula> readTranslation(const Signature& signature, std::string_view output,
                                                 std::vector<bool>& freeOccurrences,
                                                 FirstOrderSignature& used);

// What a validity question was made of: the problem, or why there is none (the translation's
// error, or a translation that cannot be read back), which the notifier has shown.
struct ProblemRead {
    std::optional<FirstOrderProblem> value;
    std::string reason;
};

// Translates the formula in plain form, as the window and the tool show it, and reads the
// translation back as the problem a prover decides.
ProblemRead validityProblem(const Declarations& declarations, const std::string& formula, Notifier& notifier);

} // namespace varquen
