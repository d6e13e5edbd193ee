#pragma once

#include <cstddef>
#include <string>

// Every message the program shows, in Latin-1 bytes, converted once from the UTF-8 sources.
namespace zudaviror::messages {

// Made before main(), so that showing it takes no memory when there is none left.
extern const std::string kOutOfMemory;
extern const std::string kCannotStore;
extern const std::string kCannotClose;
extern const std::string kNotRegularFile;
extern const std::string kReadOnlyFile;
extern const std::string kEmptyFormula;
extern const std::string kIncompleteFormula;

// The code at position (0-based) cannot follow what comes before it.
std::string codeOutOfPlace(std::size_t position, char code);
std::string tooManyCodes(std::size_t codes, std::size_t limit);
std::string tooManyLeaves(std::size_t leaves, std::size_t limit);
std::string tooDeeplyNested(std::size_t nesting, std::size_t limit);
std::string leafTooLong(std::size_t operators, std::size_t limit);

} // namespace zudaviror::messages
