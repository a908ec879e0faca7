#include "diagnostics.h"
#include "test_seams.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {
AfxTraceSink g_sink = nullptr;
}

void AfxSetTraceSink(AfxTraceSink sink)
{
    g_sink = sink;
}

void AfxTrace(const char* format, ...)
{
    char line[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (g_sink != nullptr)
        g_sink(line);
    else
        std::fputs(line, stderr);
}

void AfxAssertFailed(const char* expression, const char* file, int line)
{
    std::fprintf(stderr, "Assertion failed: %s (%s:%d)\n", expression, file, line);
    std::abort();
}
