#include "util/Prefault.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23  // Linux 5.14; older systems refuse it and nothing happens
#endif
#endif

void prefaultForWriting(void* start, std::size_t bytes)
{
#if defined(__linux__)
    // Below a few pages the faults cost less than the request.
    static const std::size_t page = std::size_t(::sysconf(_SC_PAGESIZE));
    if (start == nullptr || bytes < 16 * page) return;
    // Whole pages only; the partial pages at either end fill in as they are written.
    const auto first = (reinterpret_cast<std::uintptr_t>(start) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(page - 1);
    if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
    (void)start;
    (void)bytes;
#endif
}
