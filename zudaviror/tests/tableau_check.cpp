#include "tableau_check.h"

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

namespace zudaviror::oracle {

namespace {

// A formula's spelling split at its main sign: a binary connective outside every parenthesis, or
// else its first code.
struct Split {
    char sign = 0;
    std::string left;
    std::string right;
};

std::string bare(std::string codes) {
    // "(A·B)" as a whole formula is A·B.
    if (codes.size() > 1 && codes.front() == '(' && codes.back() == ')') {
        int depth = 0;
        for (std::size_t at = 0; at + 1 < codes.size(); ++at) {
            depth += codes[at] == '(' ? 1 : codes[at] == ')' ? -1 : 0;
            if (depth == 0) {
                return codes;
            }
        }
        return codes.substr(1, codes.size() - 2);
    }
    return codes;
}

// A formula as an operand: binary ones inside parentheses.
std::string wrapped(const std::string& codes) {
    int depth = 0;
    for (const char code : codes) {
        depth += code == '(' ? 1 : code == ')' ? -1 : 0;
        if (depth == 0 && std::string_view("+,-.").find(code) != std::string_view::npos) {
            return "(" + codes + ")";
        }
    }
    return codes;
}

Split split(const std::string& codes) {
    int depth = 0;
    for (std::size_t at = 0; at < codes.size(); ++at) {
        depth += codes[at] == '(' ? 1 : codes[at] == ')' ? -1 : 0;
        if (depth == 0 && std::string_view("+,-.").find(codes[at]) != std::string_view::npos) {
            return {codes[at], bare(codes.substr(0, at)), bare(codes.substr(at + 1))};
        }
    }
    if (!codes.empty() && std::string_view("#!\"").find(codes[0]) != std::string_view::npos) {
        return {codes[0], bare(codes.substr(1)), ""};
    }
    return {};
}

std::string negated(const std::string& codes) {
    return "#" + wrapped(codes);
}

class Checker {
  public:
    Checker(const Tableau& tableau, ModalSystem system)
        : tableau_(tableau), conditions_(frameConditions(system)) {}

    std::string fault(std::string_view K) {
        if (tableau_.end != TableauEnd::Closed || tableau_.nodes.empty()) {
            return "not a closed tableau";
        }
        const TableauNode& root = tableau_.nodes[0];
        if (root.rule != TableauRule::Premise || text(0) != negated(bare(std::string(K))) ||
            root.world != 0) {
            return "the first node is not ¬K, 0";
        }
        std::vector<std::size_t> branch{0};
        walk(0, branch);
        return fault_;
    }

  private:
    std::string text(std::size_t node) const {
        return tableau_.formulas.codes(tableau_.nodes.at(node).formula);
    }

    void fail(std::size_t node, const std::string& why) {
        if (fault_.empty()) {
            fault_ = "node " + std::to_string(node + 1) + ": " + why;
        }
    }

    bool onBranch(const std::vector<std::size_t>& branch, std::size_t node) const {
        return std::find(branch.begin(), branch.end(), node) != branch.end();
    }

    void walk(std::size_t node, std::vector<std::size_t>& branch) {
        const TableauNode& current = tableau_.nodes[node];
        if (current.children.empty()) {
            closes(node, branch);
        } else if (current.children.size() == 2) {
            splits(current.children[0], current.children[1], branch);
        } else if (current.children.size() != 1) {
            fail(node, "more than two branches");
        }
        for (const std::size_t child : current.children) {
            if (!splitting(tableau_.nodes[child].rule) || current.children.size() == 2 ||
                sameApplication(node, child)) {
                follows(child, branch);
            } else {
                fail(child, "a splitting rule on one branch");
            }
            branch.push_back(child);
            walk(child, branch);
            branch.pop_back();
        }
    }

    static bool splitting(TableauRule rule) {
        return rule == TableauRule::Disjunction || rule == TableauRule::Conditional ||
               rule == TableauRule::NegatedConjunction || rule == TableauRule::Biconditional ||
               rule == TableauRule::NegatedBiconditional;
    }

    bool sameApplication(std::size_t parent, std::size_t child) const {
        const TableauNode& a = tableau_.nodes[parent];
        const TableauNode& b = tableau_.nodes[child];
        return a.rule == b.rule && a.from == b.from && !a.accessibility() && a.world == b.world &&
               (a.rule == TableauRule::Biconditional || a.rule == TableauRule::NegatedBiconditional);
    }

    void closes(std::size_t node, const std::vector<std::size_t>& branch) {
        const auto& pair = tableau_.nodes[node].closedBy;
        if (!pair || !onBranch(branch, pair->first) || !onBranch(branch, pair->second)) {
            fail(node, "a branch that does not close");
            return;
        }
        const TableauNode& a = tableau_.nodes[pair->first];
        const TableauNode& b = tableau_.nodes[pair->second];
        const bool falsum = pair->first == pair->second && text(pair->first) == "*";
        const bool contradiction = text(pair->first) == negated(text(pair->second)) ||
                                   text(pair->second) == negated(text(pair->first));
        if (a.accessibility() || b.accessibility() || a.world != b.world || !(falsum || contradiction)) {
            fail(node, "closed by nodes that do not contradict");
        }
    }

    // The two branches of a split are its rule's two alternatives, each head taking the first
    // formula of its alternative that the branch did not hold already.
    void splits(std::size_t a, std::size_t b, const std::vector<std::size_t>& branch) {
        const TableauNode& first = tableau_.nodes[a];
        const TableauNode& second = tableau_.nodes[b];
        if (!splitting(first.rule) || first.rule != second.rule || first.from != second.from ||
            first.from.size() != 1) {
            fail(a, "a split that is not one splitting rule");
            return;
        }
        const std::optional<std::vector<std::vector<std::string>>> alternatives =
            alternativesOf(first.from[0]);
        if (!alternatives || alternatives->size() != 2) {
            fail(a, "the split's rule does not apply");
            return;
        }
        const auto heads = [&](const std::vector<std::string>& alternative, std::size_t head) {
            return std::find(alternative.begin(), alternative.end(), text(head)) != alternative.end();
        };
        if (!(heads((*alternatives)[0], a) && heads((*alternatives)[1], b))) {
            fail(a, "the split's branches are not its rule's alternatives");
        }
        (void)branch;
    }

    std::optional<std::vector<std::vector<std::string>>> alternativesOf(std::size_t premise) const {
        const Split s = split(text(premise));
        if (s.sign == ',') {
            return std::vector<std::vector<std::string>>{{s.left}, {s.right}};
        }
        if (s.sign == '-') {
            return std::vector<std::vector<std::string>>{{negated(s.left)}, {s.right}};
        }
        if (s.sign == '.') {
            return std::vector<std::vector<std::string>>{{s.left, s.right},
                                                         {negated(s.left), negated(s.right)}};
        }
        if (s.sign != '#') {
            return std::nullopt;
        }
        const Split inner = split(s.left);
        if (inner.sign == '+') {
            return std::vector<std::vector<std::string>>{{negated(inner.left)}, {negated(inner.right)}};
        }
        if (inner.sign == '.') {
            return std::vector<std::vector<std::string>>{{inner.left, negated(inner.right)},
                                                         {negated(inner.left), inner.right}};
        }
        return std::nullopt;
    }

    bool allows(FrameCondition condition) const {
        return std::find(conditions_.begin(), conditions_.end(), condition) != conditions_.end();
    }

    bool worldOnBranch(const std::vector<std::size_t>& branch, std::size_t world) const {
        return std::any_of(branch.begin(), branch.end(), [&](std::size_t node) {
            const TableauNode& n = tableau_.nodes[node];
            return n.world == world || (n.accessibility() && n.to == world);
        });
    }

    // The node follows from earlier nodes of its branch by the rule it names.
    void follows(std::size_t node, const std::vector<std::size_t>& branch) {
        const TableauNode& n = tableau_.nodes[node];
        for (const std::size_t part : n.from) {
            if (!onBranch(branch, part)) {
                fail(node, "comes from a node not above it");
                return;
            }
        }
        const auto from = [&](std::size_t k) -> const TableauNode& { return tableau_.nodes[n.from.at(k)]; };
        const std::size_t parts = n.from.size();
        const auto formulaFrom = [&](std::size_t k) { return split(text(n.from.at(k))); };
        bool ok = false;
        switch (n.rule) {
        case TableauRule::Premise:
            break;
        case TableauRule::DoubleNegation:
            ok = parts == 1 && !n.accessibility() && from(0).world == n.world && formulaFrom(0).sign == '#' &&
                 split(formulaFrom(0).left).sign == '#' &&
                 bare(split(formulaFrom(0).left).left) == text(node);
            break;
        case TableauRule::Conjunction:
        case TableauRule::NegatedDisjunction:
        case TableauRule::NegatedConditional:
            ok = parts == 1 && !n.accessibility() && from(0).world == n.world &&
                 linearConclusion(n.rule, from(0), text(node));
            break;
        case TableauRule::Disjunction:
        case TableauRule::Conditional:
        case TableauRule::NegatedConjunction:
        case TableauRule::Biconditional:
        case TableauRule::NegatedBiconditional: {
            const auto alternatives = parts == 1 ? alternativesOf(n.from[0]) : std::nullopt;
            ok =
                alternatives && !n.accessibility() && from(0).world == n.world &&
                std::any_of(alternatives->begin(), alternatives->end(), [&](const auto& alternative) {
                    return std::find(alternative.begin(), alternative.end(), text(node)) != alternative.end();
                });
            break;
        }
        case TableauRule::Necessity:
            ok = parts == 2 && !n.accessibility() && !from(0).accessibility() && from(1).accessibility() &&
                 formulaFrom(0).sign == '!' && from(1).world == from(0).world && from(1).to == n.world &&
                 formulaFrom(0).left == text(node);
            break;
        case TableauRule::NegatedNecessity:
        case TableauRule::NegatedPossibility: {
            const char inner = n.rule == TableauRule::NegatedNecessity ? '!' : '"';
            const char outer = n.rule == TableauRule::NegatedNecessity ? '"' : '!';
            ok = parts == 1 && !n.accessibility() && from(0).world == n.world && formulaFrom(0).sign == '#' &&
                 split(formulaFrom(0).left).sign == inner &&
                 std::string(1, outer) + negated(split(formulaFrom(0).left).left) == text(node);
            break;
        }
        case TableauRule::Possibility:
            ok = parts == 1 && !from(0).accessibility() && formulaFrom(0).sign == '"' &&
                 possibility(node, branch);
            break;
        case TableauRule::Reflexive:
            ok = allows(FrameCondition::Reflexive) && n.accessibility() && n.world == n.to && parts == 0 &&
                 worldOnBranch(branch, n.world);
            break;
        case TableauRule::Symmetric:
            ok = allows(FrameCondition::Symmetric) && n.accessibility() && parts == 1 &&
                 from(0).accessibility() && from(0).world == n.to && from(0).to == n.world;
            break;
        case TableauRule::Transitive:
            ok = allows(FrameCondition::Transitive) && n.accessibility() && parts == 2 &&
                 from(0).accessibility() && from(1).accessibility() && from(0).world == n.world &&
                 from(0).to == from(1).world && from(1).to == n.to;
            break;
        case TableauRule::Serial:
            ok = allows(FrameCondition::Serial) && n.accessibility() && parts == 0 &&
                 worldOnBranch(branch, n.world) && !worldOnBranch(branch, n.to);
            break;
        }
        if (!ok) {
            fail(node, "does not follow by its rule");
        }
    }

    bool linearConclusion(TableauRule rule, const TableauNode& premise, const std::string& conclusion) const {
        const Split s = split(tableau_.formulas.codes(premise.formula));
        if (rule == TableauRule::Conjunction) {
            return s.sign == '+' && (conclusion == s.left || conclusion == s.right);
        }
        const Split inner = s.sign == '#' ? split(s.left) : Split{};
        if (rule == TableauRule::NegatedDisjunction) {
            return inner.sign == ',' &&
                   (conclusion == negated(inner.left) || conclusion == negated(inner.right));
        }
        return inner.sign == '-' && (conclusion == inner.left || conclusion == negated(inner.right));
    }

    // ◇A, i gives i r j for a world j new on the branch, then A, j just under it.
    bool possibility(std::size_t node, const std::vector<std::size_t>& branch) const {
        const TableauNode& n = tableau_.nodes[node];
        const TableauNode& premise = tableau_.nodes[n.from[0]];
        if (n.accessibility()) {
            return n.world == premise.world && !worldOnBranch(branch, n.to);
        }
        const TableauNode& above = tableau_.nodes[branch.back()];
        return above.accessibility() && above.rule == TableauRule::Possibility && above.from == n.from &&
               above.to == n.world && split(tableau_.formulas.codes(premise.formula)).left == text(node);
    }

    const Tableau& tableau_;
    std::vector<FrameCondition> conditions_;
    std::string fault_;
};

} // namespace

std::string closedTableauFault(std::string_view K, const Tableau& tableau, ModalSystem system) {
    return Checker(tableau, system).fault(K);
}

} // namespace zudaviror::oracle
