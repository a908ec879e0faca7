// A library with a small thread-local block, loaded at run time, so that the C library
// makes the block on first use with an ordinary heap allocation.
thread_local void* g_threadBlock[3];

// Keeps the pointer in the block, as libraries keep per-thread state, and says where the
// block is.
extern "C" void* KeepInThreadBlock(void* pointer)
{
    g_threadBlock[0] = pointer;
    return g_threadBlock;
}
