#pragma once

#include <array>
#include <string>

namespace osmira {

// A bounded stack of twenty strings; a push onto a full stack is dropped and reported false.
class PilaCadena {
  public:
    static constexpr int kCapacity = 20;

    bool Push(const std::string& text);
    bool Pop(std::string& out);
    bool IsEmpty() const { return size_ == 0; }
    bool IsFull() const { return size_ == kCapacity; }
    int Size() const { return size_; }

  private:
    std::array<std::string, kCapacity> slots_;
    int size_ = 0;
};

} // namespace osmira
