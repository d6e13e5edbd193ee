#pragma once

#include "osmira/model/geometry.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace osmira {

// Little-endian primitives of the class-tagged archive.
class ByteWriter {
  public:
    void int32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void U32(std::uint32_t value) { littleEndianValue(value); }
    void U16(std::uint16_t value) { littleEndianValue(value); }
    void byte(std::uint8_t value) { bytes_ += static_cast<char>(value); }
    void doubleValue(double value) { littleEndianValue(std::bit_cast<std::uint64_t>(value)); }
    void pointValue(Point point) {
        int32(point.x);
        int32(point.y);
    }
    // Length prefix (one byte, 0xFF + u16, or 0xFF FFFF + u32), then the characters.
    void string(std::string_view text);
    void raw(std::string_view text) { bytes_ += text; }
    const std::string& bytes() const { return bytes_; }

  private:
    template <class Unsigned> void littleEndianValue(Unsigned value) {
        char bytes[sizeof(Unsigned)];
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(bytes, &value, sizeof value);
        } else {
            for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
                bytes[i] = static_cast<char>(value >> (8 * i));
            }
        }
        bytes_.append(bytes, sizeof bytes);
    }

    std::string bytes_;
};

// Reads the same primitives; every read reports false at the end of the bytes, and the
// first failure is kept with its position.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    bool int32(std::int32_t& value) {
        std::uint32_t word = 0;
        if (!U32(word)) {
            return false;
        }
        value = static_cast<std::int32_t>(word);
        return true;
    }
    bool U32(std::uint32_t& value) { return littleEndianValue(value); }
    bool U16(std::uint16_t& value) { return littleEndianValue(value); }
    bool byte(std::uint8_t& value) { return littleEndianValue(value); }
    bool doubleValue(double& value) {
        std::uint64_t bits = 0;
        if (!littleEndianValue(bits)) {
            return false;
        }
        value = std::bit_cast<double>(bits);
        return true;
    }
    bool pointValue(Point& point) { return int32(point.x) && int32(point.y); }
    bool string(std::string& text);
    bool raw(std::size_t count, std::string& text);

    // Records a refusal unless one is already recorded; always false.
    bool fail(const std::string& reason);
    const std::string& reason() const { return reason_; }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }

  private:
    // Reading is the hot path of opening a file, hence inline.
    bool take(std::size_t count, const char*& start) {
        if (failed_ || bytes_.size() - position_ < count) {
            return truncatedAt();
        }
        start = bytes_.data() + position_;
        position_ += count;
        return true;
    }
    bool truncatedAt();

    template <class Unsigned> bool littleEndianValue(Unsigned& value) {
        const char* start = nullptr;
        if (!take(sizeof(Unsigned), start)) {
            return false;
        }
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&value, start, sizeof value);
        } else {
            value = 0;
            for (std::size_t i = 0; i < sizeof(Unsigned); ++i) {
                value = static_cast<Unsigned>(
                    value | static_cast<Unsigned>(static_cast<unsigned char>(start[i])) << (8 * i));
            }
        }
        return true;
    }

    std::string_view bytes_;
    std::size_t position_ = 0;
    std::string reason_;
    bool failed_ = false;
};

} // namespace osmira
