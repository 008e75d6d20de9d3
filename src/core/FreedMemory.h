#pragma once
// Gives the memory freed by large passing work (a load, a sort, a count over a million items) back
// to the system. The allocator keeps freed memory for reuse; after work that touched hundreds of
// megabytes, that would be a window several times the size of its list for the rest of the run.

void ReturnFreedMemory();
