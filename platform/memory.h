#pragma once
// Hints about how a large block of memory will be used.
#include <cstddef>

namespace vx {

// The block will be filled from start to end: where the system has large pages, it backs the
// block with them, so filling it takes far fewer page faults. Has no other effect.
void PreferLargePages(void* block, size_t bytes);

}  // namespace vx
