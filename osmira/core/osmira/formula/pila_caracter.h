#pragma once

#include <vector>

namespace osmira {

// A bounded stack of bytes. A push onto a full stack is dropped and reported false,
// so callers can tell that their input went beyond the supported nesting.
class PilaCaracter {
  public:
    explicit PilaCaracter(int capacity);

    bool Push(char byte);
    bool Pop(char& out);
    char Top() const;
    bool IsEmpty() const { return top_ < 0; }
    bool IsFull() const { return Size() == capacity_; }
    int Size() const { return top_ + 1; }

  private:
    std::vector<char> storage_;
    int top_ = -1;
    int capacity_;
};

} // namespace osmira
