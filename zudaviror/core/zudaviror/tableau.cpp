#include "zudaviror/tableau.h"

#include "zudaviror/countermodel_shrinking.h"
#include "zudaviror/formula_code.h"

#include <algorithm>
#include <limits>
#include <new>
#include <set>

namespace zudaviror {

namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

bool has(const std::vector<FrameCondition>& conditions, FrameCondition condition) {
    return std::find(conditions.begin(), conditions.end(), condition) != conditions.end();
}

// An arrow of a branch: the world at its other end and its node.
struct Arrow {
    std::size_t world;
    std::size_t node;
};

// What one branch holds: its nodes by world and formula, its arrows, and which worlds made which.
// The alternatives of a split are developed one after the other on the same branch: a mark taken
// at the split and undo(mark) bring it back, so a branch is never copied.
struct Branch {
    std::vector<std::size_t> path;                // its nodes, in order
    std::vector<char> done;                       // per place on the path: the node's own rule applied
    std::vector<std::vector<std::size_t>> holds;  // [world][formula]: the node, or kNone
    std::vector<std::vector<Arrow>> successors;   // [world]: the arrows from it
    std::vector<std::vector<Arrow>> predecessors; // [world]: the arrows to it
    std::vector<std::size_t> maker;               // the world whose ◇ (or η) made each world
    std::vector<std::pair<std::size_t, std::size_t>> blocked; // (world, the earlier world it repeats)
    // What saves a scan of the whole branch at every step: where the first node whose rule may
    // still apply stands; the □ nodes of each world and the pairs (□ node, arrow from its world)
    // not yet looked at; the arrows the accessibility rules ask for, queued as each world and
    // arrow comes, not yet looked at.
    std::size_t firstPending = 0;
    std::vector<std::vector<std::size_t>> necessitiesAt;
    std::vector<std::pair<std::size_t, std::size_t>> necessityAgenda;
    std::size_t nextNecessity = 0;
    std::vector<TableauNode> wantedArrows;
    std::size_t nextArrow = 0;

    // The changes to what was there before, most recent last, for undo.
    enum class Change : char { Done, Holds, Arrow, Necessity };
    struct Trace {
        Change change;
        std::size_t first;
        std::size_t second;
    };
    std::vector<Trace> trail;

    struct Mark {
        std::size_t path, worlds, blocked, firstPending, agenda, nextNecessity, wanted, nextArrow, trail;
    };

    std::size_t worldCount() const { return maker.size(); }

    std::size_t holding(std::size_t world, int formula) const {
        const auto& row = holds.at(world);
        const auto at = static_cast<std::size_t>(formula);
        return at < row.size() ? row[at] : kNone;
    }

    std::size_t arrow(std::size_t from, std::size_t to) const {
        for (const Arrow& out : successors.at(from)) {
            if (out.world == to) {
                return out.node;
            }
        }
        return kNone;
    }

    std::size_t addWorld(std::size_t madeBy) {
        maker.push_back(madeBy);
        holds.emplace_back();
        necessitiesAt.emplace_back();
        successors.emplace_back();
        predecessors.emplace_back();
        return maker.size() - 1;
    }

    void hold(std::size_t world, int formula, std::size_t node, std::size_t formulaCount) {
        auto& row = holds.at(world);
        row.resize(std::max(row.size(), formulaCount), kNone);
        row.at(static_cast<std::size_t>(formula)) = node;
        trail.push_back({Change::Holds, world, static_cast<std::size_t>(formula)});
    }

    void addArrow(std::size_t from, std::size_t to, std::size_t node) {
        successors.at(from).push_back({to, node});
        predecessors.at(to).push_back({from, node});
        trail.push_back({Change::Arrow, from, to});
    }

    void addNecessity(std::size_t world, std::size_t node) {
        necessitiesAt.at(world).push_back(node);
        trail.push_back({Change::Necessity, world, 0});
    }

    void markDone(std::size_t place) {
        done.at(place) = 1;
        trail.push_back({Change::Done, place, 0});
    }

    Mark mark() const {
        return {path.size(),   worldCount(),        blocked.size(), firstPending, necessityAgenda.size(),
                nextNecessity, wantedArrows.size(), nextArrow,      trail.size()};
    }

    void undo(const Mark& mark) {
        while (trail.size() > mark.trail) {
            const Trace trace = trail.back();
            trail.pop_back();
            switch (trace.change) {
            case Change::Done:
                done.at(trace.first) = 0;
                break;
            case Change::Holds:
                holds.at(trace.first).at(trace.second) = kNone;
                break;
            case Change::Arrow:
                successors.at(trace.first).pop_back();
                predecessors.at(trace.second).pop_back();
                break;
            case Change::Necessity:
                necessitiesAt.at(trace.first).pop_back();
                break;
            }
        }
        path.resize(mark.path);
        done.resize(mark.path);
        maker.resize(mark.worlds);
        holds.resize(mark.worlds);
        necessitiesAt.resize(mark.worlds);
        successors.resize(mark.worlds);
        predecessors.resize(mark.worlds);
        blocked.resize(mark.blocked);
        firstPending = mark.firstPending;
        necessityAgenda.resize(mark.agenda);
        nextNecessity = mark.nextNecessity;
        wantedArrows.resize(mark.wanted);
        nextArrow = mark.nextArrow;
    }
};

// One rule application: its rule, the nodes it uses and its alternatives (one unless it splits),
// each a list of formula nodes at one world.
struct Application {
    TableauRule rule = TableauRule::Premise;
    std::vector<std::size_t> from;
    std::size_t world = 0;
    std::vector<std::vector<int>> alternatives;
};

TableauNode formulaNode(int formula, std::size_t world, TableauRule rule, std::vector<std::size_t> from) {
    TableauNode node;
    node.formula = formula;
    node.world = world;
    node.rule = rule;
    node.from = std::move(from);
    return node;
}

TableauNode arrowNode(std::size_t world, std::size_t to, TableauRule rule, std::vector<std::size_t> from) {
    TableauNode node = formulaNode(-1, world, rule, std::move(from));
    node.to = to;
    return node;
}

struct GiveUp {
    TableauEnd end;
};

class Builder {
  public:
    Builder(Tableau& tableau, std::chrono::steady_clock::time_point deadline, std::stop_token stop)
        : tableau_(tableau), formulas_(tableau.formulas), deadline_(deadline), stop_(std::move(stop)) {
        const std::vector<FrameCondition> conditions = frameConditions(tableau.system);
        reflexive_ = has(conditions, FrameCondition::Reflexive);
        symmetric_ = has(conditions, FrameCondition::Symmetric);
        transitive_ = has(conditions, FrameCondition::Transitive);
        serial_ = has(conditions, FrameCondition::Serial);
    }

    // Develops the tableau of ¬formula; the open branch, if one is found, is left in openBranch.
    bool closes(int formula) {
        Branch branch;
        addWorld(branch, 0);
        const std::size_t premise =
            add(branch, kNone, formulaNode(formulas_.negation(formula), 0, TableauRule::Premise, {}));
        return develop(branch, premise).has_value();
    }

    const Branch& openBranch() const { return open_; }
    const std::vector<std::size_t>& applications() const { return applicationOf_; }

  private:
    // Adds a node under last (or as the root), records it on the branch, and marks a closure.
    std::size_t add(Branch& branch, std::size_t last, TableauNode node) {
        if (tableau_.nodes.size() >= kMaxTableauNodes) {
            throw GiveUp{TableauEnd::TooLarge};
        }
        if (tableau_.nodes.size() % 16 == 0) {
            if (stop_.stop_requested()) {
                throw GiveUp{TableauEnd::Stopped};
            }
            if (std::chrono::steady_clock::now() >= deadline_) {
                throw GiveUp{TableauEnd::TimeLimit};
            }
        }
        const std::size_t number = tableau_.nodes.size();
        if (last != kNone) {
            tableau_.nodes.at(last).children.push_back(number);
        }
        if (node.accessibility()) {
            branch.addArrow(node.world, node.to, number);
            wantArrowsAfter(branch, node.world, node.to, number);
            for (const std::size_t necessity : branch.necessitiesAt.at(node.world)) {
                branch.necessityAgenda.emplace_back(necessity, number);
            }
        } else {
            if (formulas_[node.formula].node == ModalNode::Necessity) {
                branch.addNecessity(node.world, number);
                for (const Arrow& arrow : branch.successors.at(node.world)) {
                    branch.necessityAgenda.emplace_back(number, arrow.node);
                }
            }
            branch.hold(node.world, node.formula, number, formulas_.size());
            if (const std::optional<std::size_t> other = contradicted(branch, node.formula, node.world)) {
                node.closedBy = std::pair(*other, number);
            }
        }
        branch.path.push_back(number);
        branch.done.push_back(node.accessibility() ? 1 : 0); // no rule of its own
        tableau_.nodes.push_back(std::move(node));
        applicationOf_.push_back(application_);
        return number;
    }

    // The node that contradicts formula at world: its negation, what it negates, or falsum itself.
    std::optional<std::size_t> contradicted(const Branch& branch, int formula, std::size_t world) const {
        const ModalTerm& term = formulas_[formula];
        if (term.node == ModalNode::Falsum) {
            return branch.holding(world, formula);
        }
        std::size_t other = kNone;
        if (term.node == ModalNode::Negation) {
            other = branch.holding(world, term.left);
        } else if (const std::optional<int> negation =
                       formulas_.find({ModalNode::Negation, 0, formula, -1})) {
            other = branch.holding(world, *negation);
        }
        return other == kNone ? std::nullopt : std::optional(other);
    }

    bool closedAt(std::size_t node) const { return tableau_.nodes.at(node).closedBy.has_value(); }

    // Adds the conclusions of one alternative; false as soon as one of them closes the branch.
    bool conclude(Branch& branch, std::size_t& last, const Application& application,
                  const std::vector<int>& formulas) {
        for (const int formula : formulas) {
            if (branch.holding(application.world, formula) != kNone) {
                continue;
            }
            last = add(branch, last,
                       formulaNode(formula, application.world, application.rule, application.from));
            if (closedAt(last)) {
                return false;
            }
        }
        return true;
    }

    // The nodes a closure rests on: the contradicting pair and, through the nodes each came from,
    // everything above them that they need.
    std::set<std::size_t> dependencies(std::size_t closed) const {
        const auto [first, second] = *tableau_.nodes.at(closed).closedBy;
        std::set<std::size_t> needed;
        std::vector<std::size_t> pending{first, second};
        while (!pending.empty()) {
            const std::size_t node = pending.back();
            pending.pop_back();
            if (needed.insert(node).second) {
                const auto& from = tableau_.nodes[node].from;
                pending.insert(pending.end(), from.begin(), from.end());
            }
        }
        return needed;
    }

    // A split being developed: its alternatives are taken one after the other from the mark.
    struct OpenSplit {
        Application split;
        std::size_t last = 0; // the node the alternatives hang from
        Branch::Mark mark;
        std::size_t alternative = 0;
        std::size_t firstConclusion = 0;
        std::set<std::size_t> needed; // what the closed alternatives rest on
    };

    // Develops the branch to its end: what its closures rest on, or nothing when a branch stays
    // open. A split's alternatives are developed in turn on a stack of splits, not by recursion:
    // a branch may hold thousands of them. One alternative whose closures do not rest on its own
    // conclusions would close the same way without the split, so the others are not developed (the
    // pruning then drops the split).
    std::optional<std::set<std::size_t>> develop(Branch& branch, std::size_t last) {
        std::vector<OpenSplit> splits;
        std::optional<std::set<std::size_t>> below;
        bool developing = true;
        for (;;) {
            if (developing) {
                if (std::optional<Application> split = developStretch(branch, last)) {
                    splits.push_back({std::move(*split), last, branch.mark(), 0, 0, {}});
                    developing = beginAlternative(branch, splits.back(), last, below);
                    continue;
                }
                below = closedAt(last) ? std::optional(dependencies(last)) : std::nullopt;
            }
            if (splits.empty()) {
                return below;
            }
            OpenSplit& top = splits.back();
            developing = false;
            if (!below) {
                markUndeveloped(top.split, top.last, top.alternative + 1);
                splits.pop_back();
                continue;
            }
            const auto own = below->lower_bound(top.firstConclusion);
            if (own == below->end() ||
                *own >= top.firstConclusion + top.split.alternatives[top.alternative].size()) {
                splits.pop_back();
                continue;
            }
            top.needed.merge(*below);
            if (++top.alternative == top.split.alternatives.size()) {
                below = std::move(top.needed);
                splits.pop_back();
                continue;
            }
            branch.undo(top.mark);
            developing = beginAlternative(branch, top, last, below);
        }
    }

    // Rules that do not split until the branch closes, stays open (then kept as openBranch) or
    // asks for a split, which is returned.
    std::optional<Application> developStretch(Branch& branch, std::size_t& last) {
        while (!closedAt(last)) {
            ++application_;
            if (std::optional<Application> step = propositional(branch, false)) {
                conclude(branch, last, *step, step->alternatives.front());
            } else if (std::optional<TableauNode> arrow = accessibilityStep(branch)) {
                last = add(branch, last, std::move(*arrow));
            } else if (std::optional<Application> necessity = necessityStep(branch)) {
                conclude(branch, last, *necessity, necessity->alternatives.front());
            } else if (std::optional<Application> split = propositional(branch, true)) {
                return split;
            } else if (!newWorld(branch, last)) {
                open_ = branch;
                tableau_.nodes.at(last).open = true;
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

    // Adds the split's current alternative under its node: true when the branch goes on, else
    // below holds what the closure rests on.
    bool beginAlternative(Branch& branch, OpenSplit& split, std::size_t& last,
                          std::optional<std::set<std::size_t>>& below) {
        last = split.last;
        split.firstConclusion = tableau_.nodes.size();
        if (conclude(branch, last, split.split, split.split.alternatives[split.alternative])) {
            return true;
        }
        below = dependencies(last);
        return false;
    }

    // The alternatives after an open branch are shown as not developed.
    void markUndeveloped(const Application& split, std::size_t last, std::size_t from) {
        for (std::size_t rest = from; rest < split.alternatives.size(); ++rest) {
            TableauNode undeveloped =
                formulaNode(split.alternatives[rest].front(), split.world, split.rule, split.from);
            undeveloped.undeveloped = true;
            tableau_.nodes.push_back(std::move(undeveloped));
            tableau_.nodes.at(last).children.push_back(tableau_.nodes.size() - 1);
            applicationOf_.push_back(application_);
        }
    }

    // A propositional rule of a node not yet used: the first that does not split, or else the
    // first split with an alternative that closes at once, or else the first split.
    std::optional<Application> propositional(Branch& branch, bool splitting) {
        std::optional<Application> chosen;
        std::size_t chosenPlace = 0;
        while (branch.firstPending < branch.path.size() && branch.done[branch.firstPending]) {
            ++branch.firstPending;
        }
        for (std::size_t place = branch.firstPending; place < branch.path.size(); ++place) {
            const TableauNode& node = tableau_.nodes.at(branch.path[place]);
            if (branch.done[place] || node.accessibility()) {
                continue;
            }
            std::optional<Application> application = propositionalRule(node.formula);
            if (!application ||
                std::any_of(application->alternatives.begin(), application->alternatives.end(),
                            [&](const std::vector<int>& alternative) {
                                return held(branch, node.world, alternative);
                            })) {
                branch.markDone(place);
                continue;
            }
            if ((application->alternatives.size() > 1) != splitting) {
                continue;
            }
            application->from = {branch.path[place]};
            application->world = node.world;
            if (!splitting || closesAtOnce(branch, *application)) {
                branch.markDone(place);
                return application;
            }
            if (!chosen) {
                chosen = std::move(application);
                chosenPlace = place;
            }
        }
        if (chosen) {
            branch.markDone(chosenPlace);
        }
        return chosen;
    }

    bool held(const Branch& branch, std::size_t world, const std::vector<int>& formulas) const {
        return std::all_of(formulas.begin(), formulas.end(),
                           [&](int formula) { return branch.holding(world, formula) != kNone; });
    }

    bool closesAtOnce(const Branch& branch, const Application& application) const {
        return std::any_of(application.alternatives.begin(), application.alternatives.end(),
                           [&](const std::vector<int>& alternative) {
                               return std::any_of(alternative.begin(), alternative.end(), [&](int formula) {
                                   return contradicted(branch, formula, application.world).has_value();
                               });
                           });
    }

    std::optional<Application> propositionalRule(int formula) {
        const ModalTerm term = formulas_[formula];
        if (term.node == ModalNode::Binary) {
            return binaryRule(term.symbol, term.left, term.right, false);
        }
        if (term.node != ModalNode::Negation) {
            return std::nullopt;
        }
        const ModalTerm negated = formulas_[term.left];
        switch (negated.node) {
        case ModalNode::Negation:
            return Application{TableauRule::DoubleNegation, {}, 0, {{negated.left}}};
        case ModalNode::Binary:
            return binaryRule(negated.symbol, negated.left, negated.right, true);
        case ModalNode::Necessity:
            return Application{
                TableauRule::NegatedNecessity,
                {},
                0,
                {{formulas_.add({ModalNode::Possibility, 0, formulas_.negation(negated.left), -1})}}};
        case ModalNode::Possibility:
            return Application{
                TableauRule::NegatedPossibility,
                {},
                0,
                {{formulas_.add({ModalNode::Necessity, 0, formulas_.negation(negated.left), -1})}}};
        default:
            return std::nullopt;
        }
    }

    Application binaryRule(char connective, int a, int b, bool negated) {
        const int notA = formulas_.negation(a);
        const int notB = formulas_.negation(b);
        switch (connective) {
        case FormulaCode::Conjuncion:
            return negated ? Application{TableauRule::NegatedConjunction, {}, 0, {{notA}, {notB}}}
                           : Application{TableauRule::Conjunction, {}, 0, {{a, b}}};
        case FormulaCode::Disyuncion:
            return negated ? Application{TableauRule::NegatedDisjunction, {}, 0, {{notA, notB}}}
                           : Application{TableauRule::Disjunction, {}, 0, {{a}, {b}}};
        case FormulaCode::Condicional:
            return negated ? Application{TableauRule::NegatedConditional, {}, 0, {{a, notB}}}
                           : Application{TableauRule::Conditional, {}, 0, {{notA}, {b}}};
        default:
            return negated ? Application{TableauRule::NegatedBiconditional, {}, 0, {{a, notB}, {notA, b}}}
                           : Application{TableauRule::Biconditional, {}, 0, {{a, b}, {notA, notB}}};
        }
    }

    // A new world, and ρ's arrow for it where the system has ρ.
    std::size_t addWorld(Branch& branch, std::size_t madeBy) const {
        const std::size_t world = branch.addWorld(madeBy);
        if (reflexive_) {
            branch.wantedArrows.push_back(arrowNode(world, world, TableauRule::Reflexive, {}));
        }
        return world;
    }

    // What a new arrow i r j asks for: σ's j r i; τ's i r k for every j r k and h r j for every h r i.
    void wantArrowsAfter(Branch& branch, std::size_t i, std::size_t j, std::size_t number) const {
        if (symmetric_) {
            branch.wantedArrows.push_back(arrowNode(j, i, TableauRule::Symmetric, {number}));
        }
        if (!transitive_) {
            return;
        }
        for (const Arrow& onward : branch.successors.at(j)) {
            if (onward.world != j) {
                branch.wantedArrows.push_back(
                    arrowNode(i, onward.world, TableauRule::Transitive, {number, onward.node}));
            }
        }
        for (const Arrow& before : branch.predecessors.at(i)) {
            if (before.world != i) {
                branch.wantedArrows.push_back(
                    arrowNode(before.world, j, TableauRule::Transitive, {before.node, number}));
            }
        }
    }

    // The next wanted arrow the branch does not have yet.
    std::optional<TableauNode> accessibilityStep(Branch& branch) const {
        while (branch.nextArrow < branch.wantedArrows.size()) {
            TableauNode arrow = branch.wantedArrows[branch.nextArrow++];
            if (branch.arrow(arrow.world, arrow.to) == kNone) {
                return arrow;
            }
        }
        return std::nullopt;
    }

    // □A, i and i r j give A, j.
    std::optional<Application> necessityStep(Branch& branch) const {
        while (branch.nextNecessity < branch.necessityAgenda.size()) {
            const auto [necessity, arrow] = branch.necessityAgenda[branch.nextNecessity++];
            const int operand = formulas_[tableau_.nodes.at(necessity).formula].left;
            const std::size_t world = tableau_.nodes.at(arrow).to;
            if (branch.holding(world, operand) == kNone) {
                return Application{TableauRule::Necessity, {necessity, arrow}, world, {{operand}}};
            }
        }
        return std::nullopt;
    }

    // ◇A, i with no world that i sees holding A makes one, the newest ◇ first (a path of worlds
    // grows until it repeats and is blocked, rather than every world growing a level at a time:
    // in S4 that took 13 modal operators from seconds to milliseconds); else η gives a successor
    // to a world that holds a □ formula and has none. False when neither applies.
    bool newWorld(Branch& branch, std::size_t& last) {
        for (auto place = branch.path.rbegin(); place != branch.path.rend(); ++place) {
            const std::size_t number = *place;
            const TableauNode node = tableau_.nodes.at(number);
            if (node.accessibility() || formulas_[node.formula].node != ModalNode::Possibility ||
                witnessed(branch, node.world, formulas_[node.formula].left) ||
                isBlocked(branch, node.world)) {
                continue;
            }
            const std::size_t world = addWorld(branch, node.world);
            last = add(branch, last, arrowNode(node.world, world, TableauRule::Possibility, {number}));
            last = add(branch, last,
                       formulaNode(formulas_[node.formula].left, world, TableauRule::Possibility, {number}));
            return true;
        }
        if (!serial_) {
            return false;
        }
        for (std::size_t i = 0; i < branch.worldCount(); ++i) {
            if (!branch.necessitiesAt[i].empty() && branch.successors[i].empty()) {
                const std::size_t world = addWorld(branch, i);
                last = add(branch, last, arrowNode(i, world, TableauRule::Serial, {}));
                return true;
            }
        }
        return false;
    }

    bool witnessed(const Branch& branch, std::size_t world, int formula) const {
        const auto& seen = branch.successors.at(world);
        return std::any_of(seen.begin(), seen.end(),
                           [&](const Arrow& arrow) { return branch.holding(arrow.world, formula) != kNone; });
    }

    // What world must hold: its own formulas and the □ formulas of every world that sees it.
    std::vector<char> obligations(const Branch& branch, std::size_t world) const {
        std::vector<char> held(formulas_.size(), 0);
        const auto take = [&](std::size_t seer, bool own) {
            const auto& row = branch.holds.at(seer);
            for (std::size_t formula = 0; formula < row.size(); ++formula) {
                const bool necessity = formulas_[static_cast<int>(formula)].node == ModalNode::Necessity;
                held[formula] |= row[formula] != kNone && (own || necessity);
            }
        };
        take(world, true);
        for (const Arrow& seer : branch.predecessors.at(world)) {
            take(seer.world, false);
        }
        return held;
    }

    // Under the loop check, a world whose obligations an earlier world on its path meets makes no
    // worlds; the pair is kept for the countermodel.
    bool isBlocked(Branch& branch, std::size_t world) const {
        if (!transitive_ || symmetric_ || world == 0) {
            return false;
        }
        for (const auto& [blocked, by] : branch.blocked) {
            if (blocked == world) {
                return true;
            }
        }
        const std::vector<char> own = obligations(branch, world);
        for (std::size_t earlier = branch.maker[world];; earlier = branch.maker[earlier]) {
            const std::vector<char> theirs = obligations(branch, earlier);
            bool covered = true;
            for (std::size_t formula = 0; formula < own.size() && covered; ++formula) {
                covered = !own[formula] || theirs[formula];
            }
            if (covered) {
                branch.blocked.emplace_back(world, earlier);
                return true;
            }
            if (earlier == 0) {
                return false;
            }
        }
    }

    Tableau& tableau_;
    ModalFormulas& formulas_;
    std::chrono::steady_clock::time_point deadline_;
    std::stop_token stop_;
    bool reflexive_ = false;
    bool symmetric_ = false;
    bool transitive_ = false;
    bool serial_ = false;
    Branch open_;
    std::size_t application_ = 0;
    std::vector<std::size_t> applicationOf_;
};

// The model an open branch describes: its worlds, its arrows (with each blocked world seeing the
// world it repeats) and at each world the atoms it holds; smallestCountermodel closes it under the
// system's conditions.
KripkeModel branchModel(const Tableau& tableau, const Branch& branch) {
    KripkeModel model;
    model.worldCount = branch.worldCount();
    for (std::size_t world = 0; world < model.worldCount; ++world) {
        std::string atoms;
        const auto& row = branch.holds[world];
        for (std::size_t formula = 0; formula < row.size(); ++formula) {
            const ModalTerm& term = tableau.formulas[static_cast<int>(formula)];
            if (row[formula] != kNone && term.node == ModalNode::Atom) {
                atoms += term.symbol;
            }
        }
        std::sort(atoms.begin(), atoms.end());
        model.valuation.push_back(atoms);
        for (const Arrow& arrow : branch.successors[world]) {
            model.arrows.emplace_back(world, arrow.world);
        }
    }
    for (const auto& [blocked, by] : branch.blocked) {
        model.arrows.emplace_back(blocked, by);
    }
    return model;
}

// A closed tableau keeps only what its closures use: a node no closure below it needs goes, and a
// split whose alternative closes without its own conclusions is replaced by that alternative.
class Pruning {
  public:
    Pruning(const Tableau& tableau, const std::vector<std::size_t>& applications)
        : nodes_(tableau.nodes), applications_(applications) {}

    std::vector<TableauNode> pruned() {
        const Piece whole = piece(0);
        std::vector<TableauNode> kept;
        std::vector<std::size_t> renamed(nodes_.size(), kNone);
        emit(whole, kNone, kept, renamed);
        for (TableauNode& node : kept) {
            for (std::size_t& part : node.from) {
                part = renamed.at(part);
            }
            if (node.closedBy) {
                node.closedBy =
                    std::pair(renamed.at(node.closedBy->first), renamed.at(node.closedBy->second));
            }
        }
        return kept;
    }

  private:
    struct Piece {
        std::vector<std::size_t> nodes; // the kept nodes of a stretch without splits
        std::vector<Piece> alternatives;
        std::set<std::size_t> uses; // the nodes its closures use
    };

    Piece piece(std::size_t start) {
        std::vector<std::size_t> stretch{start};
        while (nodes_[stretch.back()].children.size() == 1) {
            stretch.push_back(nodes_[stretch.back()].children.front());
        }
        Piece result;
        const TableauNode& last = nodes_[stretch.back()];
        if (last.children.empty()) {
            result.uses = {last.closedBy->first, last.closedBy->second};
        } else {
            std::vector<Piece> alternatives;
            for (const std::size_t child : last.children) {
                alternatives.push_back(piece(child));
            }
            std::size_t unneeded = 0;
            while (unneeded < alternatives.size() &&
                   usesOwnConclusions(alternatives[unneeded], last.children[unneeded])) {
                ++unneeded;
            }
            if (unneeded < alternatives.size()) {
                Piece alone = std::move(alternatives[unneeded]);
                result.uses = std::move(alone.uses);
                result.alternatives = std::move(alone.alternatives);
                keepStretch(stretch, result);
                result.nodes.insert(result.nodes.end(), alone.nodes.begin(), alone.nodes.end());
                return result;
            }
            for (Piece& alternative : alternatives) {
                result.uses.merge(alternative.uses);
                const auto& from = nodes_[alternative.nodes.front()].from;
                result.uses.insert(from.begin(), from.end());
            }
            result.alternatives = std::move(alternatives);
        }
        keepStretch(stretch, result);
        return result;
    }

    // The nodes one split gave an alternative: its head and, down the branch, the nodes of the same
    // application (the second formula of ↔'s alternatives).
    std::vector<std::size_t> conclusions(std::size_t head) const {
        std::vector<std::size_t> nodes{head};
        while (nodes_[nodes.back()].children.size() == 1 &&
               applications_[nodes_[nodes.back()].children.front()] == applications_[head]) {
            nodes.push_back(nodes_[nodes.back()].children.front());
        }
        return nodes;
    }

    // Whether the closures of an alternative use the conclusions its split gave it; a kept split
    // shows the whole of each alternative's conclusions.
    bool usesOwnConclusions(Piece& alternative, std::size_t head) const {
        const std::vector<std::size_t> own = conclusions(head);
        if (std::none_of(own.begin(), own.end(),
                         [&](std::size_t node) { return alternative.uses.contains(node); })) {
            return false;
        }
        for (const std::size_t node : own) {
            if (std::find(alternative.nodes.begin(), alternative.nodes.end(), node) ==
                alternative.nodes.end()) {
                alternative.nodes.push_back(node);
            }
        }
        std::sort(alternative.nodes.begin(), alternative.nodes.end());
        return true;
    }

    // From the bottom up, a node stays when something below uses it (the premise always does),
    // and with it the rest of its rule's conclusions on the stretch: ◇ shows its arrow and its
    // formula together.
    void keepStretch(const std::vector<std::size_t>& stretch, Piece& result) const {
        std::vector<char> kept(stretch.size(), 0);
        for (std::size_t at = stretch.size(); at-- > 0;) {
            if (result.uses.contains(stretch[at]) || stretch[at] == 0) {
                kept[at] = 1;
                result.uses.insert(nodes_[stretch[at]].from.begin(), nodes_[stretch[at]].from.end());
            }
        }
        std::vector<std::size_t> nodes;
        for (std::size_t at = 0; at < stretch.size(); ++at) {
            const auto together = [&](std::size_t other) {
                return other < stretch.size() && kept[other] &&
                       applications_[stretch[other]] == applications_[stretch[at]];
            };
            if (kept[at] || together(at - 1) || together(at + 1)) {
                nodes.push_back(stretch[at]);
            }
        }
        result.nodes.insert(result.nodes.begin(), nodes.begin(), nodes.end());
    }

    void emit(const Piece& piece, std::size_t parent, std::vector<TableauNode>& kept,
              std::vector<std::size_t>& renamed) const {
        for (const std::size_t node : piece.nodes) {
            TableauNode copy = nodes_[node];
            copy.children.clear();
            if (parent != kNone) {
                kept.at(parent).children.push_back(kept.size());
            }
            renamed[node] = kept.size();
            parent = kept.size();
            kept.push_back(std::move(copy));
        }
        for (const Piece& alternative : piece.alternatives) {
            emit(alternative, parent, kept, renamed);
        }
    }

    const std::vector<TableauNode>& nodes_;
    const std::vector<std::size_t>& applications_;
};

} // namespace

Tableau buildTableau(std::string_view K, ModalSystem system, std::chrono::steady_clock::time_point deadline,
                     std::stop_token stop) {
    Tableau tableau;
    tableau.system = system;
    std::optional<ParsedModalFormula> parsed = parseModalFormula(K);
    if (!parsed) {
        return tableau;
    }
    tableau.formulas = std::move(parsed->formulas);
    Builder builder(tableau, deadline, std::move(stop));
    try {
        if (builder.closes(parsed->root)) {
            tableau.end = TableauEnd::Closed;
            tableau.nodes = Pruning(tableau, builder.applications()).pruned();
        } else {
            tableau.end = TableauEnd::Open;
            tableau.countermodel = smallestCountermodel(
                tableau.formulas, parsed->root, branchModel(tableau, builder.openBranch()), system,
                std::min(deadline, std::chrono::steady_clock::now() + kShrinkingTime));
        }
    } catch (const GiveUp& given) {
        tableau.end = given.end;
    } catch (const std::bad_alloc&) {
        tableau = Tableau{system, {}, {}, TableauEnd::TooLarge, std::nullopt};
    }
    return tableau;
}

namespace {

struct RuleSigns {
    TableauRule rule;
    std::string_view sign;
    std::string_view tex;
};

constexpr RuleSigns kRuleSigns[] = {
    {TableauRule::Premise, "", ""},
    {TableauRule::DoubleNegation, "¬¬", "\\neg\\neg"},
    {TableauRule::Conjunction, "∧", "\\land"},
    {TableauRule::NegatedConjunction, "¬∧", "\\neg{\\land}"},
    {TableauRule::Disjunction, "∨", "\\lor"},
    {TableauRule::NegatedDisjunction, "¬∨", "\\neg{\\lor}"},
    {TableauRule::Conditional, "→", "{\\rightarrow}"},
    {TableauRule::NegatedConditional, "¬→", "\\neg{\\rightarrow}"},
    {TableauRule::Biconditional, "↔", "{\\leftrightarrow}"},
    {TableauRule::NegatedBiconditional, "¬↔", "\\neg{\\leftrightarrow}"},
    {TableauRule::Necessity, "□", "\\Box"},
    {TableauRule::NegatedNecessity, "¬□", "\\neg\\Box"},
    {TableauRule::Possibility, "◇", "\\Diamond"},
    {TableauRule::NegatedPossibility, "¬◇", "\\neg\\Diamond"},
    {TableauRule::Reflexive, "ρ", "\\rho"},
    {TableauRule::Symmetric, "σ", "\\sigma"},
    {TableauRule::Transitive, "τ", "\\tau"},
    {TableauRule::Serial, "η", "\\eta"},
};

const RuleSigns& signsOf(TableauRule rule) {
    return *std::find_if(std::begin(kRuleSigns), std::end(kRuleSigns),
                         [&](const RuleSigns& signs) { return signs.rule == rule; });
}

} // namespace

std::string_view ruleSign(TableauRule rule) {
    return signsOf(rule).sign;
}

std::string_view ruleTexSign(TableauRule rule) {
    return signsOf(rule).tex;
}

} // namespace zudaviror
