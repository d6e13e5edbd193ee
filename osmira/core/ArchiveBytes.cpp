#include "ArchiveBytes.h"

#include <cstring>

namespace osmira {

namespace {

constexpr std::uint8_t kLongStringByte = 0xFF;
constexpr std::uint16_t kLongerStringWord = 0xFFFF;
constexpr std::size_t kLongestWordLength = 65533;

template <class Unsigned>
Unsigned LittleEndian(const char* bytes) {
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        value |= static_cast<Unsigned>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return value;
}

} // namespace

void ByteWriter::U32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        Byte(static_cast<std::uint8_t>(value >> (8 * i)));
}

void ByteWriter::U16(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value));
    Byte(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::Double(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    U32(static_cast<std::uint32_t>(bits));
    U32(static_cast<std::uint32_t>(bits >> 32));
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

bool ByteReader::Take(std::size_t count, const char*& start) {
    if (!reason_.empty())
        return false;
    if (bytes_.size() - position_ < count)
        return Fail("El archivo termina antes de tiempo (byte " + std::to_string(bytes_.size()) + ").");
    start = bytes_.data() + position_;
    position_ += count;
    return true;
}

bool ByteReader::U32(std::uint32_t& value) {
    const char* start = nullptr;
    if (!Take(4, start))
        return false;
    value = LittleEndian<std::uint32_t>(start);
    return true;
}

bool ByteReader::Int32(std::int32_t& value) {
    std::uint32_t word = 0;
    if (!U32(word))
        return false;
    value = static_cast<std::int32_t>(word);
    return true;
}

bool ByteReader::U16(std::uint16_t& value) {
    const char* start = nullptr;
    if (!Take(2, start))
        return false;
    value = LittleEndian<std::uint16_t>(start);
    return true;
}

bool ByteReader::Byte(std::uint8_t& value) {
    const char* start = nullptr;
    if (!Take(1, start))
        return false;
    value = static_cast<std::uint8_t>(*start);
    return true;
}

bool ByteReader::Double(double& value) {
    const char* start = nullptr;
    if (!Take(8, start))
        return false;
    std::uint64_t bits = LittleEndian<std::uint64_t>(start);
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteReader::PointValue(Point& point) { return Int32(point.x) && Int32(point.y); }

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
