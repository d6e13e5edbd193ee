#pragma once

#include "zudaviror/clock.h"

#include <string>
#include <string_view>

// The blocks the translation log is made of, as Latin-1 text with line feeds.
namespace zudaviror {

// "hh:mm:ss AM" on the 12-hour clock.
std::string formatLogClock(const LocalTime& time);

// "dd_mm_yy".
std::string formatLogDate(const LocalTime& time);

// Written when a log session starts.
std::string sessionHeader(const LocalTime& time);

// Written after each translation of an open session; the steps only when they are shown.
std::string translationRecord(const LocalTime& time, std::string_view formula, std::string_view result,
                              std::string_view stepText, bool withSteps);

// The record of one "¿Es válida?" question: the formula, the system, the answer and, when there
// is one, the countermodel in codes; every text in Latin-1.
std::string validityRecord(const LocalTime& time, std::string_view formula, std::string_view system,
                           std::string_view answer, std::string_view countermodel);

} // namespace zudaviror
