// A library with a small thread-local block, loaded at run time, so that the C library
// makes the block on first use with an ordinary heap allocation.
thread_local char g_threadBlock[24];

extern "C" char* TouchThreadBlock()
{
    g_threadBlock[0] = 1;
    return g_threadBlock;
}
