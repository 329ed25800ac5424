// Counts heap allocations made through the global operator new.
//
// The test binary replaces every form of the global operator new and delete
// (AllocationCounter.cpp) with versions that count, on the calling thread
// only and only while an AllocationCounter is alive; at all other times they
// just allocate. Construct one around the code under test and read count().
#pragma once

namespace test_support {

class AllocationCounter {
  public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    // Allocations on this thread since construction.
    long count() const;

  private:
    long start_;
    bool wasCounting_;
};

}  // namespace test_support
