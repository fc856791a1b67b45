// The one place the settings library and the launcher get memory from. Every
// function reports running out of memory by returning none; nothing throws.
// Tests link an implementation of their own that can fail any allocation.
#ifndef BRINDOKA_INI_MEMORY_H
#define BRINDOKA_INI_MEMORY_H

#include <cstddef>

namespace brindoka {

// A new block of size bytes, or none.
void* AllocateMemory(std::size_t size);

// The block grown or shrunk to size bytes (possibly moved), or none, in
// which case the old block is unchanged and still owned by the caller.
void* ResizeMemory(void* memory, std::size_t size);

// Frees a block from the two above; none is allowed.
void ReleaseMemory(void* memory);

}  // namespace brindoka

#endif
