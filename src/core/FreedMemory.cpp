#include "core/FreedMemory.h"

#include "core/VocabItem.h"

#include <malloc.h>

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
