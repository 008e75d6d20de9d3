#include "core/FreedMemory.h"

#include "core/VocabItem.h"

#include <malloc.h>

void ReturnFreedMemory()
{
    // Every arena, also those of worker threads; pages still in use stay.
    TItemArena::ReturnKeptBlocks();
    ::malloc_trim(0);
}
