#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace osmira::workbench {

// A formula's bytes (the formula alphabet) as screen text: the
// connectives shown as ¬ ∧ ∨ →, every other byte as its Latin-1 character. Other texts of the
// model (titles, comments) are plain Latin-1, where these bytes are accented capitals.
QString displayFormula(std::string_view latin1);

// Screen text back to formula bytes: the signs become their connective bytes; characters beyond
// Latin-1 become '?', which no formula or text of the program holds.
std::string formulaBytes(const QString& text);

} // namespace osmira::workbench
