#include "core/FreedMemory.h"

#include "core/VocabItem.h"

#include <cstdint>
#include <malloc.h>
#include <sys/mman.h>

void ReturnFreedMemory()
{
    // Every arena, also those of worker threads; pages still in use stay.
    TItemArena::ReturnKeptBlocks();
    ::malloc_trim(0);
}

void MapLargeBlocksApart()
{
    // Setting it also fixes it: the allocator no longer moves it.
    ::mallopt(M_MMAP_THRESHOLD, 4 << 20);
}

void AdviseHugePages(const void* data, std::size_t bytes)
{
    // Smaller blocks come from the heap, whose pages other blocks share.
    constexpr std::size_t Huge = std::size_t { 2 } << 20;
    if (bytes < (std::size_t { 4 } << 20))
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + Huge - 1) & ~(Huge - 1);
    const std::uintptr_t end = (start + bytes) & ~(Huge - 1);
    if (end > first)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}
