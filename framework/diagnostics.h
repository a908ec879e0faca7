// Diagnostics: trace output and assertions, in debug builds only.
#pragma once

void AfxTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));
void AfxAssertFailed(const char* expression, const char* file, int line);

#ifdef _DEBUG
#define TRACE(...) AfxTrace(__VA_ARGS__)
#define ASSERT(expr) ((expr) ? (void)0 : AfxAssertFailed(#expr, __FILE__, __LINE__))
#else
#define TRACE(...) ((void)0)
#define ASSERT(expr) ((void)0)
#endif
