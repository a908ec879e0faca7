// Memory a desktop library allocates on the program's behalf and then keeps, or loses,
// beyond the program's reach: the GL driver's state for the X display, which lives until
// the display closes (GTK never closes its own), and what a library forgets to free.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

// While one lives, what this thread allocates is left out of the sanitizer build's leak
// check at exit; in other builds it does nothing. Each use wraps no more than the library
// call, and says what the library keeps, so everything the program allocates itself,
// before and after, is still checked.
class KeptByLibrary {
public:
    KeptByLibrary()
    {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_disable();
#endif
    }
    ~KeptByLibrary()
    {
#if defined(__SANITIZE_ADDRESS__)
        __lsan_enable();
#endif
    }
    KeptByLibrary(const KeptByLibrary&) = delete;
    KeptByLibrary& operator=(const KeptByLibrary&) = delete;
};
