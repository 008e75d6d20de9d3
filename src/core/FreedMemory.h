#pragma once
// Gives the memory freed by large passing work (a load, a sort, a count over a million items) back
// to the system. The allocator keeps freed memory for reuse; after work that touched hundreds of
// megabytes, that would be a window several times the size of its list for the rest of the run.

void ReturnFreedMemory();

// Called first thing by a program: large passing buffers (4 MB and more: a file's bytes, a sort's
// keys, a count's copy of a list) are each mapped on their own, so that freeing one returns it at
// once; smaller ones reuse the heap's pages, which a fresh mapping would fault in again. Left to
// itself the allocator raises this threshold as soon as one such buffer is freed and keeps the
// later ones in its heap, where a few small blocks still in use pin hundreds of megabytes.
void MapLargeBlocksApart();
