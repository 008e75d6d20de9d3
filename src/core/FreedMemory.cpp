#include "core/FreedMemory.h"

#include <malloc.h>

void ReturnFreedMemory()
{
    // Every arena, also those of worker threads; pages still in use stay.
    ::malloc_trim(0);
}
