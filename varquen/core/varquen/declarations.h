#pragma once

#include <string>
#include <vector>

namespace varquen {

// The four declaration lists as the student keeps them: plain lines, checked only when translating.
struct Declarations {
    std::vector<std::string> universes;
    std::vector<std::string> variables;
    std::vector<std::string> functions;
    std::vector<std::string> relations;

    bool operator==(const Declarations&) const = default;
};

} // namespace varquen
