#include "osmira/archive_bytes.h"

namespace osmira {

namespace {

constexpr std::uint8_t kLongStringByte = 0xFF;
constexpr std::uint16_t kLongerStringWord = 0xFFFF;
constexpr std::size_t kLongestWordLength = 65533;

} // namespace

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

bool ByteReader::truncatedAt() {
    return Fail("El archivo termina antes de tiempo (byte " + std::to_string(bytes_.size()) + ").");
}

bool ByteReader::String(std::string& text) {
    std::uint8_t shortLength = 0;
    if (!Byte(shortLength)) {
        return false;
    }
    if (shortLength != kLongStringByte) {
        return Raw(shortLength, text);
    }
    std::uint16_t wordLength = 0;
    if (!U16(wordLength)) {
        return false;
    }
    if (wordLength != kLongerStringWord) {
        return Raw(wordLength, text);
    }
    std::uint32_t length = 0;
    return U32(length) && Raw(length, text);
}

bool ByteReader::Raw(std::size_t count, std::string& text) {
    const char* start = nullptr;
    if (!Take(count, start)) {
        return false;
    }
    text.assign(start, count);
    return true;
}

bool ByteReader::Fail(const std::string& reason) {
    if (!failed_) {
        reason_ = reason;
    }
    failed_ = true;
    return false;
}

} // namespace osmira
