#pragma once

#include "osmira/model/ejercicio.h"

#include <optional>
#include <string>

namespace osmira::test {

// What must hold of the report of any exercise a reader accepts, all options on, whatever its
// texts hold: the page's markup is the one a plain text gives (the same tags), the page carries
// no control byte but tab and line breaks, and every picture is a file of the report's folder with
// a name of its own (no '/', no NUL, no leading dot, neither the page's nor another picture's,
// letter case aside). The first fault found, or nothing. The texts are put back afterwards.
std::optional<std::string> reportFault(CEjercicio& exercise, const std::string& pageName);

} // namespace osmira::test
