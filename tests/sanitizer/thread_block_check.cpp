// The sanitizer runtime of this compiler takes a thread-local block that starts 16 bytes
// into a page for one with a header in front, reads a range from the allocator's own
// bookkeeping, and its leak check then faults. The desktop libraries the viewer
// loads make such blocks, so the suite turns that guessing off (intercept_tls_get_addr=0).
// This check places a block on that address on purpose; with the suite's options a leak
// check must then run to its end, count what only that block holds as reachable, and
// still find a block the check hid from it.
#include <dlfcn.h>
#include <sanitizer/lsan_interface.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::uintptr_t kDisguise = ~std::uintptr_t{0};

// A block whose only reference is disguised, so that a leak check takes it for lost.
__attribute__((noinline)) std::uintptr_t HiddenBlock()
{
    return reinterpret_cast<std::uintptr_t>(std::malloc(1000)) ^ kDisguise;
}

}  // namespace

int main(int argc, char** argv)
{
    void* library = argc == 2 ? dlopen(argv[1], RTLD_NOW) : nullptr;
    auto* keep = library != nullptr ? reinterpret_cast<void* (*)(void*)>(dlsym(library, "KeepInThreadBlock"))
                                    : nullptr;
    if (keep == nullptr) {
        std::fprintf(stderr, "usage: %s LIBRARY, a library with KeepInThreadBlock\n", argv[0]);
        return 2;
    }
    // Blocks of one size come from the allocator in a steady stride: take them until the
    // next one would start 16 bytes into a page, then let the C library have it.
    std::vector<void*> taken{std::malloc(24)};
    for (int i = 0; i < 100000; ++i) {
        taken.push_back(std::malloc(24));
        const auto last = reinterpret_cast<std::uintptr_t>(taken.back());
        const auto stride = last - reinterpret_cast<std::uintptr_t>(taken[taken.size() - 2]);
        if ((last + stride) % 4096 == 16)
            break;
    }
    const auto block = reinterpret_cast<std::uintptr_t>(keep(std::malloc(500)));
    for (void* p : taken)
        std::free(p);
    if (block % 4096 != 16) {
        std::fprintf(stderr, "expected the thread-local block 16 bytes into a page; it is at %#lx\n",
                     static_cast<unsigned long>(block));
        return 1;
    }
    if (__lsan_do_recoverable_leak_check() != 0) {
        std::fprintf(stderr, "expected no leak while the thread-local block holds its pointer\n");
        return 1;
    }
    const volatile std::uintptr_t hidden = HiddenBlock();
    const bool found = __lsan_do_recoverable_leak_check() != 0;
    std::free(reinterpret_cast<void*>(hidden ^ kDisguise));
    if (!found) {
        std::fprintf(stderr, "expected the leak check to find the hidden block; it found nothing\n");
        return 1;
    }
    return 0;
}
