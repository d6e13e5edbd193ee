#include "osmira/tutor/short_derivation.h"

#include "osmira/bracket/bracket_form.h"
#include "osmira/bracket/graph_formula.h"
#include "osmira/tutor/derivability.h"

#include <algorithm>
#include <limits>
#include <map>
#include <queue>
#include <tuple>
#include <unordered_map>

namespace osmira {

namespace {

using Graphs = std::vector<std::string_view>;

bool isDoubleCut(std::string_view graph) {
    return graph.size() >= 4 && graph[1] == '[' && Span(graph, 1) == graph.size() - 2;
}

// Takes out of both lists what they hold alike (as multisets).
void removeCommon(Graphs& a, Graphs& b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    Graphs onlyA, onlyB;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(onlyA));
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(onlyB));
    a = std::move(onlyA);
    b = std::move(onlyB);
}

// Opens the double cuts of `graphs`: one step each, their graphs then stand in the area.
std::size_t openDoubleCuts(Graphs& graphs) {
    std::size_t opened = 0;
    Graphs open;
    for (std::string_view graph : graphs) {
        if (isDoubleCut(graph)) {
            ++opened;
            const Graphs inner = graphsOf(interior(interior(graph)));
            open.insert(open.end(), inner.begin(), inner.end());
        } else {
            open.push_back(graph);
        }
    }
    graphs = std::move(open);
    return opened;
}

// How many graphs two areas do not share (as multisets): a cheap likeness of two cuts, so that
// each cut is compared inside with one partner only.
std::size_t unshared(Graphs a, Graphs b) {
    removeCommon(a, b);
    return a.size() + b.size();
}

std::size_t distanceOfGraphs(Graphs a, Graphs b) {
    removeCommon(a, b);
    std::size_t cost = 0;
    // A cut is worked on inside when its likest partner differs from it by less than erasing the
    // one and inserting the other.
    Graphs leftA, leftB;
    std::vector<bool> used(b.size(), false);
    for (std::string_view graph : a) {
        std::size_t likest = b.size();
        std::size_t fewest = std::numeric_limits<std::size_t>::max();
        const Graphs inside = graph.front() == '[' ? graphsOf(interior(graph)) : Graphs();
        for (std::size_t j = 0; graph.front() == '[' && j < b.size(); ++j) {
            if (!used[j] && b[j].front() == '[') {
                const std::size_t differing = unshared(inside, graphsOf(interior(b[j])));
                if (differing < fewest) {
                    fewest = differing;
                    likest = j;
                }
            }
        }
        const std::size_t distance =
            likest < b.size() ? distanceOfGraphs(inside, graphsOf(interior(b[likest]))) : 2;
        if (distance < 2) {
            used[likest] = true;
            cost += distance;
        } else {
            leftA.push_back(graph);
        }
    }
    for (std::size_t j = 0; j < b.size(); ++j) {
        if (!used[j]) {
            leftB.push_back(b[j]);
        }
    }
    // What is left is erased or inserted, or stands inside a double cut to open (or to add); what
    // the opened double cuts hold is only matched, not compared inside again, which would make
    // deep forms exponential.
    const std::size_t opened = openDoubleCuts(leftA) + openDoubleCuts(leftB);
    removeCommon(leftA, leftB);
    return cost + opened + leftA.size() + leftB.size();
}

struct Node {
    std::string form;
    std::string canonical;
    std::size_t parent;
    std::vector<SolutionStep> edge; // the steps that led here from the parent
    std::size_t steps;
};

// The first deiteration or double-cut removal inside the copy at [start, end), its root aside
// (deiterating it would undo the copy).
std::optional<FormMove> simplificationIn(const std::string& form, std::size_t start, std::size_t end) {
    for (std::size_t at = start; at < end; ++at) {
        if (form[at] == ']') {
            continue;
        }
        const std::size_t element = elementAt(form, at);
        for (Rule rule : {Rule::Deiteration, Rule::DoubleCut}) {
            if ((rule == Rule::Deiteration && at == start) ||
                (rule == Rule::DoubleCut && (form[at] != '[' || asksDoubleCutPosition(form, element)))) {
                continue;
            }
            SolutionStep step{rule, element, {}, {}, {}, {}};
            if (std::optional<std::string> after = formAfter(form, step)) {
                return FormMove{std::move(step), std::move(*after)};
            }
        }
    }
    return std::nullopt;
}

// A copy is made to be simplified against what encloses it: an implication copied next to its
// antecedent loses the antecedent and then its double cut (modus ponens in any area). The
// steps that follow an iteration inside its copy, as long as there are any.
std::vector<FormMove> simplificationsOf(const std::string& before, const FormMove& iteration) {
    const std::size_t start = *elementPosition(before, iteration.step.element) + 1;
    std::size_t end = start + Span(before, *elementPosition(before, *iteration.step.source));
    std::vector<FormMove> chain;
    std::string form = iteration.form;
    while (std::optional<FormMove> next = simplificationIn(form, start, end)) {
        end -= form.size() - next->form.size();
        form = next->form;
        chain.push_back(std::move(*next));
    }
    return chain;
}

// Ties go to the form nearer the goal: a line of steps that each bring the goal nearer is
// followed before the many steps that change nothing the estimate sees are tried.
struct Queued {
    std::size_t estimate;  // steps made plus steps still estimated
    std::size_t remaining; // of which still estimated
    std::size_t order;     // then first found, first taken: the moves' own order
    std::size_t node;
    bool operator>(const Queued& other) const {
        return std::tie(estimate, remaining, order) > std::tie(other.estimate, other.remaining, other.order);
    }
};

// A deiteration that leaves the cut that held the copy as a double cut (the antecedent of an
// implication taken away) is followed by that double cut's removal: modus ponens in two steps.
std::optional<FormMove> doubleCutLeftBy(const std::string& before, const FormMove& deiteration) {
    const std::size_t at = *elementPosition(before, deiteration.step.element);
    std::size_t depth = 0;
    for (std::size_t p = at; p-- > 0;) {
        depth += before[p] == ']' ? 1 : 0;
        if (before[p] == '[' && depth-- == 0) {
            const std::size_t cut = elementAt(before, p);
            if (asksDoubleCutPosition(deiteration.form, cut) || deiteration.form[p] != '[') {
                return std::nullopt;
            }
            SolutionStep step{Rule::DoubleCut, cut, {}, {}, {}, {}};
            std::optional<std::string> after = formAfter(deiteration.form, step);
            return after ? std::optional(FormMove{step, std::move(*after)}) : std::nullopt;
        }
    }
    return std::nullopt;
}

// The steps from the first node to `last`, each with the form it starts from.
std::vector<SolutionStep> pathTo(const std::vector<Node>& nodes, std::size_t last) {
    std::vector<SolutionStep> steps;
    for (std::size_t at = last; at != 0; at = nodes[at].parent) {
        steps.insert(steps.end(), nodes[at].edge.rbegin(), nodes[at].edge.rend());
    }
    std::reverse(steps.begin(), steps.end());
    std::string form = nodes.front().form;
    for (SolutionStep& step : steps) {
        step.before = form;
        form = *formAfter(form, step);
    }
    return steps;
}

} // namespace

std::size_t areaDistance(std::string_view from, std::string_view to) {
    return distanceOfGraphs(graphsOf(from), graphsOf(to));
}

std::optional<ShortPath> shortDerivation(const std::string& working, const std::vector<SearchTarget>& targets,
                                         const std::vector<Insertable>& insertables, std::size_t budget,
                                         std::size_t weight) {
    if (targets.empty()) {
        return std::nullopt;
    }
    std::unordered_map<std::string, std::size_t> targetOf;
    for (std::size_t t = targets.size(); t-- > 0;) {
        targetOf[targets[t].canonical] = t;
    }
    const std::string& goal = targets.front().canonical;
    std::vector<Node> nodes{{working, canonicalJuxtaposition(working), 0, {}, 0}};
    // Reached targets wait in the queue with their whole length, so that a shorter way found
    // later still wins.
    std::map<std::size_t, std::size_t> targetOfNode;
    std::unordered_map<std::string, std::size_t> bestSteps;
    std::priority_queue<Queued, std::vector<Queued>, std::greater<>> queue;
    std::size_t order = 0;
    // Whether the node is new or reached in fewer steps than before; queued if so.
    auto reach = [&](std::size_t node) {
        const std::string& canonical = nodes[node].canonical;
        const std::size_t steps = nodes[node].steps;
        auto known = bestSteps.find(canonical);
        if (known != bestSteps.end() && known->second <= steps) {
            return false;
        }
        bestSteps[canonical] = steps;
        auto target = targetOf.find(canonical);
        if (target != targetOf.end()) {
            targetOfNode[node] = target->second;
            queue.push({steps + targets[target->second].remaining, 0, order++, node});
            return true;
        }
        // A form that no longer entails the goal leads nowhere: an erased premise, say.
        if (decideDerivability(canonical, goal).derivability == Derivability::NotDerivable) {
            return false;
        }
        const std::size_t estimate = areaDistance(canonical, goal);
        queue.push({steps + weight * estimate, weight == 1 ? estimate : 0, order++, node});
        return true;
    };
    reach(0);
    for (std::size_t made = 0; !queue.empty() && made < budget;) {
        const Queued next = queue.top();
        queue.pop();
        if (auto target = targetOfNode.find(next.node); target != targetOfNode.end()) {
            return ShortPath{pathTo(nodes, next.node), target->second};
        }
        if (bestSteps[nodes[next.node].canonical] < nodes[next.node].steps) {
            continue; // a shorter way here was expanded already
        }
        auto add = [&](std::string form, std::vector<SolutionStep> edge) {
            const std::size_t steps = nodes[next.node].steps + edge.size();
            std::string canonical = canonicalJuxtaposition(form);
            nodes.push_back({std::move(form), std::move(canonical), next.node, std::move(edge), steps});
            if (!reach(nodes.size() - 1)) {
                nodes.pop_back();
            }
        };
        const std::string from = nodes[next.node].form;
        std::vector<FormMove> moves = movesFrom(from, insertables);
        made += moves.size();
        for (FormMove& move : moves) {
            if (move.step.rule == Rule::Deiteration) {
                if (std::optional<FormMove> removal = doubleCutLeftBy(from, move)) {
                    add(std::move(removal->form), {move.step, std::move(removal->step)});
                }
            }
            if (move.step.rule == Rule::Iteration) {
                std::vector<FormMove> chain = simplificationsOf(from, move);
                if (!chain.empty()) {
                    std::vector<SolutionStep> edge{move.step};
                    for (FormMove& simplification : chain) {
                        edge.push_back(std::move(simplification.step));
                    }
                    add(std::move(chain.back().form), std::move(edge));
                }
            }
            add(std::move(move.form), {std::move(move.step)});
        }
    }
    return std::nullopt;
}

} // namespace osmira
