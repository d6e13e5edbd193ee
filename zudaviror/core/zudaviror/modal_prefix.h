#pragma once

#include <string>

namespace zudaviror {

// The seven codes that open the scope of a modal operator over the first accessible world:
// "^v(Suv-" for NECESIDAD, "`v(Suv+" for POSIBILIDAD.
std::string modalPrefix(char modalOperator);

} // namespace zudaviror
