#include "osmira/tutor/refutation.h"

#include "osmira/bracket/graph_formula.h"

namespace osmira {

namespace {

GraphPath child(GraphPath path, std::size_t index) {
    path.push_back(index);
    return path;
}

bool isLetter(std::string_view graph) {
    return graph.size() == 1;
}

} // namespace

std::vector<Refutation::Standing> Refutation::standing(const GraphPath& area) const {
    std::vector<Standing> graphs;
    for (std::size_t level = 0; level <= area.size(); ++level) {
        const GraphPath around(area.begin(), area.begin() + static_cast<std::ptrdiff_t>(level));
        const std::vector<std::string_view> texts = board_.graphsIn(around);
        for (std::size_t index = 0; index < texts.size(); ++index) {
            // A cut enclosing the area can be neither copied into it nor stand for its graphs.
            if (level == area.size() || index != area[level]) {
                graphs.push_back({child(around, index), texts[index]});
            }
        }
    }
    return graphs;
}

bool Refutation::stands(const GraphPath& area, std::string_view text) const {
    for (const Standing& graph : standing(area)) {
        if (graph.text == text) {
            return true;
        }
    }
    return false;
}

// A standing letter is true and a standing cut around one letter makes it false, without a split.
Valuation Refutation::withLiterals(const GraphPath& area, Valuation valuation) const {
    for (const Standing& graph : standing(area)) {
        if (isLetter(graph.text) && !valuation.has(graph.text[0])) {
            valuation = valuation.with(graph.text[0], true);
        } else if (graph.text.size() == 3 && isLetter(graph.text.substr(1, 1)) &&
                   !valuation.has(graph.text[1])) {
            valuation = valuation.with(graph.text[1], false);
        }
    }
    return valuation;
}

// The shortest standing graph the valuation makes false: the fewest steps to empty it.
std::optional<std::string> Refutation::falseGraph(const GraphPath& area, const Valuation& valuation) const {
    std::optional<std::string> found;
    for (const Standing& graph : standing(area)) {
        if ((!found || graph.text.size() < found->size()) && truthOf(graph.text, valuation) == false) {
            found = std::string(graph.text);
        }
    }
    return found;
}

std::optional<char> Refutation::openLetter(const GraphPath& area, const Valuation& valuation) const {
    std::uint32_t letters = 0;
    for (const Standing& graph : standing(area)) {
        letters |= lettersOf(graph.text);
    }
    letters &= ~valuation.known;
    if (letters == 0) {
        return std::nullopt;
    }
    return static_cast<char>('A' + __builtin_ctz(letters));
}

bool Refutation::refute(const GraphPath& area, Valuation valuation) {
    while (!stuck_ && !board_.failed()) {
        valuation = withLiterals(area, valuation);
        if (std::optional<std::string> graph = falseGraph(area, valuation)) {
            keepOnly(area, falsify(area, *graph, valuation));
            break;
        }
        if (propagate(area, valuation)) {
            continue;
        }
        std::optional<char> letter = openLetter(area, valuation);
        if (!letter) {
            stuck_ = true;
            break;
        }
        split(area, *letter, valuation);
        valuation = valuation.with(*letter, true);
    }
    return !stuck_ && !board_.failed();
}

namespace {

// Whether standing where a value is open, the graph would tell a letter: a letter, or a cut whose
// graphs include an open letter or a cut around one.
bool tellsALetter(std::string_view graph, const Valuation& valuation) {
    if (isLetter(graph)) {
        return !valuation.has(graph[0]);
    }
    for (std::string_view inside : graphsOf(interior(graph))) {
        if (inside.size() == 1
                ? !valuation.has(inside[0])
                : inside.size() == 3 && isLetter(inside.substr(1, 1)) && !valuation.has(inside[1])) {
            return true;
        }
    }
    return false;
}

} // namespace

bool Refutation::propagate(const GraphPath& area, const Valuation& valuation) {
    for (const Standing& candidate : standing(area)) {
        if (isLetter(candidate.text)) {
            continue;
        }
        const std::string graph(candidate.text);
        std::optional<std::string> open;
        bool usable = true;
        for (std::string_view inside : graphsOf(interior(graph))) {
            const std::optional<bool> truth = truthOf(inside, valuation);
            if (!truth && !open) {
                open = std::string(inside);
            } else if (!truth || !*truth || !stands(area, inside)) {
                usable = false;
                break;
            }
        }
        if (!usable || !open || !tellsALetter(*open, valuation)) {
            continue;
        }
        const GraphPath copy = child(area, copyInto(area, graph));
        for (std::size_t index = 0; !board_.failed() && board_.graphsIn(copy).size() > 1;) {
            if (board_.graphsIn(copy)[index] == *open) {
                ++index;
            } else {
                board_.deiterate(child(copy, index));
            }
        }
        if (!isLetter(*open)) {
            board_.doubleCut(copy);
        }
        return !board_.failed();
    }
    return false;
}

void Refutation::split(const GraphPath& area, char letter, const Valuation& valuation) {
    openDoubleCut(area);
    const GraphPath outer = child(area, 0);
    board_.insert(outer, std::string{'[', letter, ']'});
    const GraphPath inner = child(outer, 1);
    if (refute(inner, valuation.with(letter, false))) {
        board_.doubleCut(inner);
        board_.doubleCut(outer);
    }
}

std::size_t Refutation::falsify(const GraphPath& area, const std::string& graph, const Valuation& valuation) {
    if (isLetter(graph)) {
        const std::size_t negation = copyInto(area, "[" + graph + "]");
        board_.deiterate(child(child(area, negation), 0));
        return negation;
    }
    const std::vector<std::string_view> graphs = graphsOf(interior(graph));
    for (std::string_view inside : graphs) {
        if (!stands(area, inside)) {
            establish(area, std::string(inside), valuation);
        }
    }
    const std::size_t copy = copyInto(area, graph);
    for (std::size_t k = 0; k < graphs.size(); ++k) {
        board_.deiterate(child(child(area, copy), 0));
    }
    return copy;
}

void Refutation::establish(const GraphPath& area, const std::string& graph, const Valuation& valuation) {
    std::optional<std::string> falseInside;
    const std::vector<std::string_view> graphs =
        isLetter(graph) ? std::vector<std::string_view>{} : graphsOf(interior(graph));
    for (std::string_view inside : graphs) {
        if ((!falseInside || inside.size() < falseInside->size()) && truthOf(inside, valuation) == false) {
            falseInside = std::string(inside);
        }
    }
    if (!falseInside) {
        stuck_ = true;
        return;
    }
    openDoubleCut(area);
    const GraphPath outer = child(area, 0);
    board_.insert(outer, interior(graph));
    const GraphPath inner = child(outer, graphs.size());
    keepOnly(inner, falsify(inner, *falseInside, valuation));
    board_.doubleCut(inner);
}

// The graph in the area itself, or a copy brought in from an area around it; its position.
std::size_t Refutation::copyInto(const GraphPath& area, const std::string& graph) {
    const std::vector<std::string_view> here = board_.graphsIn(area);
    for (std::size_t index = 0; index < here.size(); ++index) {
        if (here[index] == graph) {
            return index;
        }
    }
    for (const Standing& source : standing(area)) {
        if (source.text == graph) {
            board_.iterate(source.path, area);
            return 0;
        }
    }
    stuck_ = true;
    return 0;
}

// An empty double cut at the start of the area. Asked on a cut holding one cut alone, the
// rule would remove that double cut instead: a standing graph copied in first prevents it.
void Refutation::openDoubleCut(const GraphPath& area) {
    const std::vector<std::string_view> here = board_.graphsIn(area);
    if (here.size() == 1 && !isLetter(here.front())) {
        bool copied = false;
        for (const Standing& source : standing(area)) {
            if (source.path.size() <= area.size()) {
                board_.iterate(source.path, area);
                copied = true;
                break;
            }
        }
        stuck_ = stuck_ || !copied;
    }
    board_.doubleCut(area);
}

void Refutation::keepOnly(const GraphPath& area, std::size_t kept) {
    for (std::size_t k = 0; k < kept; ++k) {
        board_.erase(child(area, 0));
    }
    while (!board_.failed() && board_.graphsIn(area).size() > 1) {
        board_.erase(child(area, 1));
    }
}

} // namespace osmira
