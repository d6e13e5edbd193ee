#include "ArchiveBytes.h"

#include <cstring>

namespace osmira {

namespace {

constexpr std::uint8_t kLongStringByte = 0xFF;
constexpr std::uint16_t kLongerStringWord = 0xFFFF;
constexpr std::size_t kLongestWordLength = 65533;

} // namespace

template <class Unsigned> void ByteWriter::LittleEndianValue(Unsigned value) {
    char bytes[sizeof(Unsigned)];
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        bytes[i] = static_cast<char>(value >> (8 * i));
    bytes_.append(bytes, sizeof bytes);
}

void ByteWriter::U32(std::uint32_t value) {
    LittleEndianValue(value);
}

void ByteWriter::U16(std::uint16_t value) {
    LittleEndianValue(value);
}

void ByteWriter::Double(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    LittleEndianValue(bits);
}

void ByteWriter::PointValue(Point point) {
    Int32(point.x);
    Int32(point.y);
}

void ByteWriter::String(std::string_view text) {
    if (text.size() < kLongStringByte) {
        Byte(static_cast<std::uint8_t>(text.size()));
    } else if (text.size() <= kLongestWordLength) {
        Byte(kLongStringByte);
        U16(static_cast<std::uint16_t>(text.size()));
    } else {
        Byte(kLongStringByte);
        U16(kLongerStringWord);
        U32(static_cast<std::uint32_t>(text.size()));
    }
    Raw(text);
}

bool ByteReader::TruncatedAt() {
    if (reason_.empty())
        reason_ = "El archivo termina antes de tiempo (byte " + std::to_string(bytes_.size()) + ").";
    return false;
}

bool ByteReader::String(std::string& text) {
    std::uint8_t shortLength = 0;
    if (!Byte(shortLength))
        return false;
    if (shortLength != kLongStringByte)
        return Raw(shortLength, text);
    std::uint16_t wordLength = 0;
    if (!U16(wordLength))
        return false;
    if (wordLength != kLongerStringWord)
        return Raw(wordLength, text);
    std::uint32_t length = 0;
    return U32(length) && Raw(length, text);
}

bool ByteReader::Raw(std::size_t count, std::string& text) {
    const char* start = nullptr;
    if (!Take(count, start))
        return false;
    text.assign(start, count);
    return true;
}

bool ByteReader::Fail(const std::string& reason) {
    if (reason_.empty())
        reason_ = reason;
    return false;
}

} // namespace osmira
