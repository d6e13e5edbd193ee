#pragma once

#include "varquen/parse_codes.h"

#include <cstddef>
#include <string>

// Every text the engine shows, in Latin-1, built from the UTF-8 sources once.
namespace varquen::messages {

std::string universeCaption();
std::string variableCaption();
std::string functionCaption();
std::string relationCaption();
std::string clashCaption();

std::string tokenRepeated(const std::string& name);
std::string tooManyUniverses(int limit);
std::string tooManyVariables(int limit);
std::string tooManyFunctions(int limit);
std::string tooManyRelations(int limit);
std::string unnamedUniverse();
std::string unnamedVariable();
std::string unnamedFunction();
std::string unnamedRelation();
std::string colonNeeded();
std::string variableTypeOutOfRange(int universes);
std::string parameterTypeTooSmall(const std::string& function);
std::string parameterTypeTooLarge(const std::string& function, int universes);
std::string parameterListSyntax(const std::string& function);
std::string relationWithoutParameters();
std::string entryTooLong(int limit);
std::string nulInEntry();
std::string tooManyParameters(const std::string& function, int limit);
std::string numberTooLarge();

// "OK" when nothing went wrong, else the error's text.
std::string parseMessage(ParseError error);
std::string reportHeading();
std::string reportTooLong(std::size_t length);

std::string formulaTooLongToSave();
std::string fileLineTooLong();
std::string fileFormulaTooLong();
std::string fileTooLarge();

// A translation that cannot be read back to ask whether it is valid.
std::string unreadableTranslation();
// The caption of what the question "¿Es válida?" shows.
std::string validityCaption();

} // namespace varquen::messages
