#pragma once

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>

namespace suite {

// A prover's answer to "is it valid?". Unknown is an answer of its own (the prover gave up, or
// the time limit was reached) and is never shown as valid or as not valid.
enum class Validity { Valid, NotValid, Unknown };

struct ValidityVerdict {
    Validity validity = Validity::Unknown;
    // When unknown, why, in UTF-8: kTimeLimitReason, kCancelledReason or the prover's own; when
    // not valid without a countermodel, how it is known.
    std::string reason;
};

// Every question put to a prover has a time limit.
inline constexpr std::chrono::milliseconds kDefaultProverTimeLimit{2000};

inline constexpr std::string_view kTimeLimitReason = "límite de tiempo alcanzado";
inline constexpr std::string_view kCancelledReason = "pregunta cancelada";

// The time left until a question's deadline, at least a millisecond: a prover reads a limit of
// zero as none.
inline std::chrono::milliseconds timeLeft(std::chrono::steady_clock::time_point deadline) {
    return std::max(std::chrono::milliseconds(1), std::chrono::duration_cast<std::chrono::milliseconds>(
                                                      deadline - std::chrono::steady_clock::now()));
}

// How a prover ended without an answer.
enum class ProverStop { TimeLimit, Cancelled, OutOfMemory, NoAnswer };

// The reason an unknown verdict gives for it, the same for every prover: kTimeLimitReason,
// kCancelledReason, "el demostrador E se ha quedado sin memoria", "el demostrador E no llega a una
// respuesta", with the prover's own words in brackets after it when there are some.
std::string proverStopReason(std::string_view prover, ProverStop stop, std::string_view detail = {});

// "válida", "no válida", "desconocido" (UTF-8).
std::string_view validityWord(Validity validity);

// The verdict as a line of text: its word, and the reason after it when there is one
// ("desconocido: límite de tiempo alcanzado").
std::string verdictLine(const ValidityVerdict& verdict);

// The exit status of a tool asked whether a formula is valid: Done, Refused or Unknown.
int validityExitStatus(Validity validity);

// {"verdict":…,"reason":…,FIELDS,"countermodel":COUNTERMODEL}: FIELDS are the program's own
// members, already JSON ("\"system\":\"K\""), or empty; an empty COUNTERMODEL is written null,
// and so is the reason of a verdict that has none.
std::string verdictJson(const ValidityVerdict& verdict, std::string_view fields,
                        std::string_view countermodelJson);

} // namespace suite
