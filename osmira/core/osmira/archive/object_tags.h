#pragma once

#include "osmira/archive/archive_bytes.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace osmira {

// Class-tagged object references. One counter, from 1, numbers class descriptions and
// objects in order of first appearance; every object of this format is referenced once.
namespace tags {
inline constexpr std::uint16_t kNewClass = 0xFFFF;
inline constexpr std::uint16_t kClassFlag = 0x8000;
inline constexpr std::uint16_t kBigIndex = 0x7FFF;
inline constexpr std::uint32_t kBigClassFlag = 0x80000000;
inline constexpr std::uint16_t kSchema = 1;
} // namespace tags

class ObjectTagWriter {
  public:
    // Introduces a new object of the class: its description the first time, then its index.
    void writeNewObject(ByteWriter& out, const std::string& className);

  private:
    // Four classes at most: a short list beats a map.
    std::vector<std::pair<std::string, std::uint32_t>> classIndices_;
    std::uint32_t counter_ = 1;
};

class ObjectTagReader {
  public:
    // Reads the reference of a new object and returns its class name, which must be one of
    // `allowed`; anything else (null, a repeated object, an unknown class or schema) fails.
    // The name lives as long as the reader; null after a failure.
    const std::string* readNewObject(ByteReader& in, const std::vector<std::string>& allowed);

  private:
    const std::string* readDescription(ByteReader& in);
    const std::string* describedClass(ByteReader& in, std::uint32_t classIndex, std::size_t at);

    std::map<std::uint32_t, std::string> classNames_;
    std::uint32_t counter_ = 1;
};

} // namespace osmira
