#pragma once

#include "varquen/first_order.h"

#include "suite/validity_verdict.h"

#include <chrono>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace varquen {

// A many-sorted structure in which the formula is false: each universe's elements, the values of
// the functions and relations the formula uses, and the free variables' values. Names in Latin-1;
// an element is named by its universe and a number ("A1").
struct Countermodel {
    struct Universe {
        std::string name;
        std::vector<std::string> elements;
    };
    struct Entry {
        std::vector<std::string> arguments;
        // An element, or for a function whose applications are formulas "V" or "F".
        std::string value;
    };
    // A table of more rows than this is not written out: the symbol is shown as too large.
    static constexpr double kMaxTableRows = 10000;
    struct Function {
        std::string name;
        std::vector<Entry> entries; // one per tuple of its parameters' universes
        bool complete = true;
    };
    struct Relation {
        std::string name;
        std::vector<std::vector<std::string>> tuples; // those that hold
        bool complete = true;
    };
    struct Assignment {
        std::string variable;
        std::string element;
    };
    std::vector<Universe> universes;
    std::vector<Function> functions;
    std::vector<Relation> relations;
    std::vector<Assignment> freeVariables;
};

inline constexpr const char* kTrueValue = "V";
inline constexpr const char* kFalseValue = "F";

struct ValidityAnswer {
    suite::ValidityVerdict verdict;
    std::optional<Countermodel> countermodel; // with a verdict of not valid
};

// Z3, in a module of its own loaded the first time the student asks (prover_loading.h):
// decides whether the problem's formula holds in every structure where each universe is
// non-empty, the universes are disjoint, each function maps into its result universe and the
// free variables lie in their universes. A stop request ends the question soon with an unknown
// verdict.
class Prover {
  public:
    virtual ~Prover() = default;
    virtual ValidityAnswer decide(const FirstOrderProblem& problem, std::chrono::milliseconds timeLimit,
                                  std::stop_token stop) = 0;
};

// The module's entry: `extern "C" varquen::Prover* varquenProver()`.
inline constexpr const char* kProverEntryName = "varquenProver";

} // namespace varquen
