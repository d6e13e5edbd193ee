#pragma once

#include "varquen/declarations.h"
#include "varquen/notifier.h"
#include "varquen/parse_codes.h"

#include <string>

namespace varquen {

struct Translation {
    // The full translation, or what was written before the error. Symbol bytes in plain form.
    std::string output;
    ParseError error = ParseError::None;
    // "OK" or the error's message: what the status line shows.
    std::string status;
    bool tex = false;
};

// The output as the translation file holds it (see spellTranslation).
std::string spelledOutput(const Translation& translation);

class Signature;

// Clears the signature and declares the four lists' entries, universes first; a refused entry
// shows its message and the next one is declared.
void rebuildSignature(Signature& signature, const Declarations& declarations);

// The translation command: rebuilds the signature from the lists (one message per refused
// entry), parses and translates the formula, closes its free variables and, on an error,
// shows the report of what was translated so far.
Translation translateFormula(const Declarations& declarations, const std::string& formula, bool tex,
                             Notifier& notifier);

// The text of the error report box: heading and the spelled-out partial translation.
std::string errorReport(const std::string& partialOutput, bool tex);

} // namespace varquen
