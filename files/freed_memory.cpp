#include "files/freed_memory.h"

#if __has_include(<malloc.h>)
#include <malloc.h>
#endif

namespace {

// Blocks under this size come from the heap rather than a mapping of their own: a large tree's
// file and the view's row list are a few megabytes each.
constexpr int kOwnMappingFrom = 32 << 20;
// Free memory at the top of the heap beyond this goes back to the system, so a one-off peak does
// not stay with the program for good.
constexpr int kGiveBackBeyond = 64 << 20;

}  // namespace

void keepFreedMemoryForReuse()
{
#if defined(M_MMAP_THRESHOLD) && defined(M_TRIM_THRESHOLD)
    mallopt(M_MMAP_THRESHOLD, kOwnMappingFrom);
    mallopt(M_TRIM_THRESHOLD, kGiveBackBeyond);
#endif
}
