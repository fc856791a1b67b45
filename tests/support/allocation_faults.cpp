#include "tests/support/allocation_faults.h"

#include <cstdlib>
#include <new>

namespace brindoka::testing {
namespace {

bool armed = false;
long counted = 0;
long failingFrom = 0;

// True when this allocation is to fail.
bool CountAllocation() {
  if (!armed) return false;
  ++counted;
  return failingFrom > 0 && counted >= failingFrom;
}

void* Allocate(std::size_t size) {
  if (CountAllocation()) return nullptr;
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

AllocationFaults::AllocationFaults(long failing) {
  counted = 0;
  failingFrom = failing;
  armed = true;
}

AllocationFaults::~AllocationFaults() { armed = false; }

long AllocationFaults::Count() const { return counted; }

}  // namespace brindoka::testing

using brindoka::testing::Allocate;

void* operator new(std::size_t size) {
  if (void* memory = Allocate(size)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
  std::free(memory);
}
