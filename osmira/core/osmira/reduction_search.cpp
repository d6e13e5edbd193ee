#include "osmira/reduction_search.h"

#include "osmira/bracket_form.h"
#include "osmira/graph_formula.h"

#include <algorithm>
#include <set>

namespace osmira {

namespace {

struct Visit {
    std::string working;
    std::size_t parent;
    SolutionStep step; // the one that led here from the parent
};

// Whether every graph of the goal stands on the sheet of `working`, up to juxtaposition order.
bool holdsGoal(const std::string& working, const std::vector<std::string>& goal) {
    std::vector<std::string> held;
    for (std::string_view graph : graphsOf(working)) {
        held.push_back(canonicalJuxtaposition(graph));
    }
    for (const std::string& graph : goal) {
        auto found = std::find(held.begin(), held.end(), graph);
        if (found == held.end()) {
            return false;
        }
        held.erase(found);
    }
    return true;
}

// The steps worth trying at each element: deiteration of a text that stands twice, removal of a
// double cut; the rules decide.
std::vector<SolutionStep> candidates(const std::string& working) {
    std::vector<SolutionStep> steps;
    std::size_t element = 0;
    for (std::size_t at = 0; at < working.size(); ++at) {
        if (working[at] == ']') {
            continue;
        }
        ++element;
        const std::string_view text = std::string_view(working).substr(at, Span(working, at));
        if (working.find(text) != at || working.find(text, at + 1) != std::string::npos) {
            steps.push_back({Rule::Deiteration, element, {}, {}, {}, working});
        }
        if (text.size() > 2 && text[1] == '[' && Span(working, at + 1) + 2 == text.size()) {
            steps.push_back({Rule::DoubleCut, element, {}, {}, {}, working});
        }
    }
    return steps;
}

std::vector<SolutionStep> pathTo(const std::vector<Visit>& visits, std::size_t last) {
    std::vector<SolutionStep> steps;
    for (std::size_t at = last; at != 0; at = visits[at].parent) {
        steps.push_back(visits[at].step);
    }
    std::reverse(steps.begin(), steps.end());
    return steps;
}

} // namespace

Reduction reduceTowards(const std::string& working, const std::string& goal, std::size_t budget) {
    std::vector<std::string> goalGraphs;
    for (std::string_view graph : graphsOf(goal)) {
        goalGraphs.push_back(canonicalJuxtaposition(graph));
    }
    std::vector<Visit> visits{{working, 0, {}}};
    std::set<std::string> seen{canonicalJuxtaposition(working)};
    for (std::size_t next = 0; next < visits.size() && next < budget; ++next) {
        WindowlessWorkbench workbench;
        CEjercicio scratch;
        scratch.attachWorkbench(workbench);
        scratch.SetWorking(visits[next].working);
        scratch.BuildDiagram(scratch.AppendStep());
        for (const SolutionStep& step : candidates(visits[next].working)) {
            if (applySolutionStep(scratch, workbench, step) != RuleOutcome::Committed) {
                continue;
            }
            std::string reached = scratch.GetWorking();
            scratch.removeStepsAfter(0);
            if (!seen.insert(canonicalJuxtaposition(reached)).second) {
                continue;
            }
            visits.push_back({reached, next, step});
            if (holdsGoal(reached, goalGraphs)) {
                return {pathTo(visits, visits.size() - 1), std::move(reached)};
            }
        }
    }
    return {};
}

} // namespace osmira
