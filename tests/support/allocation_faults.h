// Test-only control over the library's memory functions (ini/memory.h):
// counts the allocations made while armed and fails a chosen one, as a
// machine out of memory would. Test binaries link this in place of the real
// memory functions.
#ifndef BRINDOKA_TESTS_SUPPORT_ALLOCATION_FAULTS_H
#define BRINDOKA_TESTS_SUPPORT_ALLOCATION_FAULTS_H

namespace brindoka::testing {

class AllocationFaults {
 public:
  // Counts allocations from now on; the failing-th one (1-based) fails, and
  // so does every later one, as memory that has run out stays out.
  // failing 0 fails none.
  explicit AllocationFaults(long failing = 0);
  ~AllocationFaults();
  AllocationFaults(const AllocationFaults&) = delete;
  AllocationFaults& operator=(const AllocationFaults&) = delete;

  // Allocations asked for since construction, failed ones included.
  long Count() const;
};

}  // namespace brindoka::testing

#endif
