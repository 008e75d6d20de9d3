#pragma once
// Gives the memory freed by large passing work (a load, a sort, a count over a million items) back
// to the system. The allocator keeps freed memory for reuse; after work that touched hundreds of
// megabytes, that would be a window several times the size of its list for the rest of the run.

#include <cstddef>

void ReturnFreedMemory();

// Called first thing by a program: large passing buffers (4 MB and more: a file's bytes, a sort's
// keys, a count's copy of a list) are each mapped on their own, so that freeing one returns it at
// once; smaller ones reuse the heap's pages, which a fresh mapping would fault in again. Left to
// itself the allocator raises this threshold as soon as one such buffer is freed and keeps the
// later ones in its heap, where a few small blocks still in use pin hundreds of megabytes.
void MapLargeBlocksApart();

// Asks that the pages of a large block just allocated (4 MB or more, so mapped on its own) be huge
// pages where the system allows it, before anything is written to it: on a virtual machine each
// first write to a 4 KB page costs about 10 microseconds, so a million items' buffers took longer
// to fault in than to fill. Only whole huge pages inside the block are affected; a system that
// does not take the advice simply ignores it.
void AdviseHugePages(const void* data, std::size_t bytes);

// Reserves room for count elements in a vector or string that is about to be filled, advised as
// above.
template <class Container> void ReserveLarge(Container& container, std::size_t count)
{
    container.reserve(count);
    AdviseHugePages(container.data(), container.capacity() * sizeof(*container.data()));
}
