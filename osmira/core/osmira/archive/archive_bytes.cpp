#include "osmira/archive/archive_bytes.h"

namespace osmira {

namespace {

constexpr std::uint8_t kLongStringByte = 0xFF;
constexpr std::uint16_t kLongerStringWord = 0xFFFF;
constexpr std::size_t kLongestWordLength = 65533;

} // namespace

void ByteWriter::string(std::string_view text) {
    if (text.size() < kLongStringByte) {
        byte(static_cast<std::uint8_t>(text.size()));
    } else if (text.size() <= kLongestWordLength) {
        byte(kLongStringByte);
        U16(static_cast<std::uint16_t>(text.size()));
    } else {
        byte(kLongStringByte);
        U16(kLongerStringWord);
        U32(static_cast<std::uint32_t>(text.size()));
    }
    raw(text);
}

bool ByteReader::truncatedAt() {
    return fail("El fichero termina antes de tiempo (byte " + std::to_string(bytes_.size()) + ").");
}

bool ByteReader::string(std::string& text) {
    std::uint8_t shortLength = 0;
    if (!byte(shortLength)) {
        return false;
    }
    if (shortLength != kLongStringByte) {
        return raw(shortLength, text);
    }
    std::uint16_t wordLength = 0;
    if (!U16(wordLength)) {
        return false;
    }
    if (wordLength != kLongerStringWord) {
        return raw(wordLength, text);
    }
    std::uint32_t length = 0;
    return U32(length) && raw(length, text);
}

bool ByteReader::raw(std::size_t count, std::string& text) {
    const char* start = nullptr;
    if (!take(count, start)) {
        return false;
    }
    text.assign(start, count);
    return true;
}

bool ByteReader::fail(const std::string& reason) {
    if (!failed_) {
        reason_ = reason;
    }
    failed_ = true;
    return false;
}

} // namespace osmira
