// The tests' own memory functions: the library's allocations, counted, and
// failed on demand.
#include "tests/support/allocation_faults.h"

#include <cstdlib>

#include "ini/memory.h"

namespace brindoka {
namespace {

bool armed = false;
long counted = 0;
long failingFrom = 0;

// True when this allocation is to fail.
bool FailThisAllocation() {
  if (!armed) return false;
  ++counted;
  return failingFrom > 0 && counted >= failingFrom;
}

}  // namespace

void* AllocateMemory(std::size_t size) {
  return FailThisAllocation() ? nullptr : std::malloc(size);
}

void* ResizeMemory(void* memory, std::size_t size) {
  return FailThisAllocation() ? nullptr : std::realloc(memory, size);
}

void ReleaseMemory(void* memory) { std::free(memory); }

namespace testing {

AllocationFaults::AllocationFaults(long failing) {
  counted = 0;
  failingFrom = failing;
  armed = true;
}

AllocationFaults::~AllocationFaults() { armed = false; }

long AllocationFaults::Count() const { return counted; }

}  // namespace testing
}  // namespace brindoka
