#include "suite_testing/failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {

long allocationsUntilFailure = -1;

void* allocate(std::size_t size) {
    if (allocationsUntilFailure >= 0 && allocationsUntilFailure-- == 0) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

void suite::testing::failAllocationAfter(long allocationsBefore) {
    allocationsUntilFailure = allocationsBefore;
}

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
