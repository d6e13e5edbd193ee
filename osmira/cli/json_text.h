#pragma once

#include "suite/json_text.h"

namespace osmira::cli {

// verify's JSON lines use the suite's JSON text.
using suite::jsonBool;
using suite::jsonString;

} // namespace osmira::cli
