#include "platform/memory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace vx {

void PreferLargePages(void* block, size_t bytes) {
#ifdef MADV_HUGEPAGE
  // madvise wants whole pages: advise the page-aligned inside of the block.
  const auto page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto start = (reinterpret_cast<uintptr_t>(block) + page - 1) & ~(page - 1);
  const auto end = (reinterpret_cast<uintptr_t>(block) + bytes) & ~(page - 1);
  if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
  (void)block, (void)bytes;
#endif
}

}  // namespace vx
