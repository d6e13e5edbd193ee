#include "osmira/bracket/bracket_form.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace osmira {

bool isBracketForm(std::string_view text) {
    long depth = 0;
    for (char c : text) {
        if (c == '[') {
            ++depth;
        } else if (c == ']') {
            --depth;
        } else if (c < 'A' || c > 'Z') {
            return false;
        }
        if (depth < 0) {
            return false;
        }
    }
    return depth == 0;
}

bool fitsAnExercise(std::string_view bracket) {
    return bracket.size() <= kLongestBracketForm;
}

std::size_t matchingClose(std::string_view text, std::size_t open) {
    long depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '[') {
            ++depth;
        } else if (text[i] == ']' && --depth == 0) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::size_t Span(std::string_view text, std::size_t at) {
    if (at >= text.size()) {
        return 0;
    }
    if (text[at] != '[') {
        return 1;
    }
    std::size_t close = matchingClose(text, at);
    return close == std::string_view::npos ? text.size() - at : close - at + 1;
}

std::size_t countLetters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return c != '[' && c != ']'; }));
}

int maxNesting(std::string_view text) {
    int depth = 0;
    int deepest = 0;
    for (char c : text) {
        if (c == '[') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']') {
            --depth;
        }
    }
    return deepest;
}

namespace {

// The graphs of a form as a tree; the canonical text is written once, after every area is
// sorted, because rebuilding each area's text for its parent made deep forms quadratic.
class CanonicalTree {
  public:
    explicit CanonicalTree(std::string_view bracket) {
        nodes_.push_back({'\0', {}}); // the sheet
        std::vector<std::size_t> areas{0};
        for (char c : bracket) {
            if (c == ']') {
                if (areas.size() > 1) {
                    areas.pop_back();
                }
                continue;
            }
            nodes_[areas.back()].children.push_back(nodes_.size());
            nodes_.push_back({c, {}});
            if (c == '[') {
                areas.push_back(nodes_.size() - 1);
            }
        }
    }

    std::string text() {
        // A node's descendants come after it, so going backwards sorts every inner area before
        // the area that holds it is compared.
        for (std::size_t node = nodes_.size(); node-- > 0;) {
            auto& children = nodes_[node].children;
            std::sort(children.begin(), children.end(),
                      [this](std::size_t a, std::size_t b) { return less(a, b); });
        }
        std::string text;
        first_.start(0);
        for (char c = first_.next(); c != '\0'; c = first_.next()) {
            text += c;
        }
        return text;
    }

    // After text(): the nodes in the order the canonical text writes them, the sheet first.
    std::vector<std::size_t> nodesInOrder() const {
        std::vector<std::size_t> order;
        std::vector<std::size_t> pending{0};
        while (!pending.empty()) {
            const std::size_t node = pending.back();
            pending.pop_back();
            order.push_back(node);
            const auto& children = nodes_[node].children;
            pending.insert(pending.end(), children.rbegin(), children.rend());
        }
        return order;
    }

  private:
    struct Node {
        char sign; // '[' for a cut, else the letter; '\0' for the sheet
        std::vector<std::size_t> children;
    };

    // Reads the canonical text of one node, sorted areas as they stand, one character at a time
    // without building it (the sheet gives its area's text). Iterative: forms may nest deeply.
    class Cursor {
      public:
        explicit Cursor(const std::vector<Node>& nodes) : nodes_(nodes) {}

        void start(std::size_t root) {
            stack_.clear();
            root_ = root;
            started_ = root == 0;
            if (started_) {
                stack_.push_back({0, 0});
            }
        }

        // The next character, or '\0' at the end.
        char next() {
            if (!started_) {
                started_ = true;
                return enter(root_);
            }
            while (!stack_.empty()) {
                auto& [node, next] = stack_.back();
                const auto& children = nodes_[node].children;
                if (next < children.size()) {
                    return enter(children[next++]);
                }
                bool isCut = node != 0;
                stack_.pop_back();
                if (isCut) {
                    return ']';
                }
            }
            return '\0';
        }

      private:
        char enter(std::size_t node) {
            if (nodes_[node].sign == '[') {
                stack_.push_back({node, 0});
            }
            return nodes_[node].sign;
        }

        const std::vector<Node>& nodes_;
        std::vector<std::pair<std::size_t, std::size_t>> stack_;
        std::size_t root_ = 0;
        bool started_ = true;
    };

    // Whether a's canonical text sorts before b's, as the texts would compare; reads only as far
    // as they agree, so comparing a small graph with a big one costs the small one.
    bool less(std::size_t a, std::size_t b) {
        char signA = nodes_[a].sign, signB = nodes_[b].sign;
        if (signA != '[' || signB != '[') {
            return signA < signB; // a letter is one character, and every letter sorts before '['
        }
        first_.start(a);
        second_.start(b);
        for (;;) {
            char x = first_.next(), y = second_.next();
            if (x != y || x == '\0') {
                return x < y;
            }
        }
    }

    std::vector<Node> nodes_;
    Cursor first_{nodes_};
    Cursor second_{nodes_};
};

} // namespace

std::string canonicalJuxtaposition(std::string_view bracket) {
    return CanonicalTree(bracket).text();
}

CanonicalOrder canonicalOrder(std::string_view bracket) {
    CanonicalTree tree(bracket);
    CanonicalOrder canonical;
    canonical.text = tree.text();
    canonical.elements = tree.nodesInOrder();
    return canonical;
}

} // namespace osmira
