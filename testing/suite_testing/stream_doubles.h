#pragma once

// Stand-ins for the streams a command-line tool is given, for the inputs and outputs a test
// cannot make with files: an endless device and a full disk.

#include <algorithm>
#include <array>
#include <cstddef>
#include <streambuf>

namespace suite::testing {

// Zeros until `size` bytes have been served, as /dev/zero would give them without end.
class ZeroSource : public std::streambuf {
  public:
    explicit ZeroSource(std::size_t size) : left_(size) {}
    std::size_t served() const { return served_; }

  protected:
    int_type underflow() override {
        if (left_ == 0) {
            return traits_type::eof();
        }
        const std::size_t count = std::min(left_, block_.size());
        left_ -= count;
        served_ += count;
        setg(block_.data(), block_.data(), block_.data() + count);
        return 0;
    }

  private:
    std::array<char, 65536> block_{};
    std::size_t left_;
    std::size_t served_ = 0;
};

// Standard output on a full disk (/dev/full): no write is ever accepted.
class FullSink : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

} // namespace suite::testing
