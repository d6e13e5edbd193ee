#pragma once

#include "osmira/model/osmira_doc.h"

#include <ostream>
#include <string>

namespace osmira::cli {

// "<index> <H|C|L> <letter or -> depth=<d> parity=<p> rect=<l>,<t>,<r>,<b> marked=<0|1>",
// one line per element in list order.
void printElementLines(std::ostream& out, const COsmiraDoc& diagram, const std::string& indent = "");

} // namespace osmira::cli
