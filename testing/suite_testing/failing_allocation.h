#pragma once

// Allocation failure on demand. The executable that links suite_failing_allocation has its
// global allocation functions replaced; while a FailingAllocation is alive, the allocation
// it names fails, and only that one, so that the code reporting the failure can still allocate.

namespace suite::testing {

void failAllocationAfter(long allocationsBefore); // -1: none fails

class FailingAllocation {
  public:
    explicit FailingAllocation(long allocationsBefore) { failAllocationAfter(allocationsBefore); }
    ~FailingAllocation() { failAllocationAfter(-1); }
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;
};

} // namespace suite::testing
