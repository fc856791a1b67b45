#include "ini/memory.h"

#include <cstdlib>

namespace brindoka {

void* AllocateMemory(std::size_t size) { return std::malloc(size); }

void* ResizeMemory(void* memory, std::size_t size) {
  return std::realloc(memory, size);
}

void ReleaseMemory(void* memory) { std::free(memory); }

}  // namespace brindoka
