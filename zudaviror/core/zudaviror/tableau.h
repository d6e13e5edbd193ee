#pragma once

#include "zudaviror/kripke_model.h"
#include "zudaviror/modal_formula.h"
#include "zudaviror/modal_system.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <stop_token>
#include <string_view>
#include <vector>

// A prefixed tableau for the negation of a modal formula, in the style of the introductions to
// modal logic: nodes "φ, i" (φ holds at world i) and "i r j" (j is accessible from i), the
// propositional rules, the rules for □ and ◇ and their negations, and one accessibility rule per
// frame condition of the system: ρ reflexive, σ symmetric, τ transitive, η serial.
//
// It decides validity in K, D, T, B, S4 and S5: every branch closes exactly when the formula is
// valid, and an open branch, once no rule applies, is read as a countermodel.
//   - ◇A, i makes a new world only when no world that i sees holds A already.
//   - η gives a successor only to a world that holds a □ formula; in the countermodel a world
//     without successors sees itself, which changes nothing it holds.
//   - With τ and without σ (S4) a world j makes no worlds when an earlier world i on its path
//     holds everything j holds, the □ formulas of the worlds that see j included; the
//     countermodel then lets j see i. Along a path those sets only grow, so the tableau ends.
//   - In the other systems the worlds made are bounded without it: by the modal depth (K, D, T,
//     B) or, in S5, where every world sees every other, by the number of ◇ formulas.
namespace zudaviror {

enum class TableauRule {
    Premise, // the negation of the formula, at world 0
    DoubleNegation,
    Conjunction,
    NegatedConjunction,
    Disjunction,
    NegatedDisjunction,
    Conditional,
    NegatedConditional,
    Biconditional,
    NegatedBiconditional,
    Necessity,
    NegatedNecessity,
    Possibility,
    NegatedPossibility,
    Reflexive,
    Symmetric,
    Transitive,
    Serial,
};

struct TableauNode {
    int formula = -1;      // a formula node's formula; -1 for an accessibility node
    std::size_t world = 0; // where the formula holds, or the arrow's first world
    std::size_t to = 0;    // an accessibility node's second world
    TableauRule rule = TableauRule::Premise;
    std::vector<std::size_t> from;     // the nodes the rule was applied to
    std::vector<std::size_t> children; // the next node of the branch; two where it splits
    std::optional<std::pair<std::size_t, std::size_t>> closedBy; // a branch's last node: A, i / ¬A, i
    bool open = false;                                           // the last node of the open branch
    bool undeveloped = false; // the first node of a branch left once another was found open

    bool accessibility() const { return formula < 0; }
};

enum class TableauEnd { Closed, Open, TooLarge, TimeLimit, Stopped };

struct Tableau {
    ModalSystem system = ModalSystem::K;
    ModalFormulas formulas;
    std::vector<TableauNode> nodes; // node 0 is the premise; a node's parts come before it
    TableauEnd end = TableauEnd::TooLarge;
    std::optional<KripkeModel> countermodel; // read from the open branch, the premise failing at 0
};

// The most nodes a tableau may have before the question is given up as too large.
inline constexpr std::size_t kMaxTableauNodes = 400000;

// How long a countermodel may be shrunk after the tableau has found it: a large one keeps the
// worlds left at that time.
inline constexpr std::chrono::milliseconds kShrinkingTime{250};

// The tableau of the keypad formula K in the system, given up at the deadline or on a stop
// request. A closed tableau keeps only the nodes its closed branches use, numbered down the tree.
Tableau buildTableau(std::string_view K, ModalSystem system, std::chrono::steady_clock::time_point deadline,
                     std::stop_token stop = {});

// The rule's sign as a proof names it: "¬¬", "∧", "¬→", "□", "ρ", … (UTF-8).
std::string_view ruleSign(TableauRule rule);
// The same in TeX's mathematics: \neg\neg, \land, \rho, …
std::string_view ruleTexSign(TableauRule rule);

} // namespace zudaviror
