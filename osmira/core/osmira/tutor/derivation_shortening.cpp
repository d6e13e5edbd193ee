#include "osmira/tutor/derivation_shortening.h"

#include "osmira/bracket/bracket_form.h"

#include <unordered_map>

namespace osmira {

namespace {

// The forms a derivation goes through, up to juxtaposition order: the last place of each.
std::unordered_map<std::string, std::size_t> lastPlaces(const std::vector<SolutionStep>& steps,
                                                        const std::string& last) {
    std::unordered_map<std::string, std::size_t> places;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        places[canonicalJuxtaposition(steps[k].before)] = k;
    }
    places[canonicalJuxtaposition(last)] = steps.size();
    return places;
}

std::string lastForm(const std::string& working, const std::vector<SolutionStep>& steps) {
    return steps.empty() ? working : *formAfter(steps.back().before, steps.back());
}

// The steps from `from` on, after a shortcut `step` (none: a cycle cut out) from step `from` to
// the diagram step `to` starts from; nothing when the later steps cannot be made after it.
std::optional<std::vector<SolutionStep>> withShortcut(const std::vector<SolutionStep>& steps,
                                                      std::size_t from, std::size_t to,
                                                      const std::optional<FormMove>& step) {
    std::vector<SolutionStep> result(steps.begin(), steps.begin() + static_cast<long>(from));
    std::string form = steps[from].before;
    if (step) {
        SolutionStep first = step->step;
        first.before = form;
        result.push_back(std::move(first));
        form = step->form;
    }
    std::optional<std::vector<SolutionStep>> rest =
        stepsFrom(form, std::vector<SolutionStep>(steps.begin() + static_cast<long>(to), steps.end()));
    if (!rest) {
        return std::nullopt;
    }
    result.insert(result.end(), rest->begin(), rest->end());
    return result;
}

} // namespace

std::vector<SolutionStep> shortened(const std::string& working, std::vector<SolutionStep> steps,
                                    const std::vector<Insertable>& insertables, std::size_t budget) {
    std::size_t from = 0;
    for (std::size_t made = 0; from < steps.size() && made < budget;) {
        const auto places = lastPlaces(steps, lastForm(working, steps));
        const std::string& form = steps[from].before;
        std::size_t to = places.at(canonicalJuxtaposition(form));
        std::optional<FormMove> best;
        std::vector<FormMove> moves = movesFrom(form, insertables);
        made += moves.size();
        for (FormMove& move : moves) {
            auto place = places.find(canonicalJuxtaposition(move.form));
            if (place != places.end() && place->second > to + 1 && place->second > from + 1) {
                to = place->second;
                best = std::move(move);
            }
        }
        std::optional<std::vector<SolutionStep>> shorter;
        if (to > from) {
            shorter = withShortcut(steps, from, to, best);
        }
        if (shorter && shorter->size() < steps.size()) {
            steps = std::move(*shorter);
        } else {
            ++from;
        }
    }
    return steps;
}

} // namespace osmira
