#pragma once
// What the soak tests measure: resident memory and the Qt warnings printed so far.

#include <cstdio>
#include <unistd.h>

namespace soak {

// Qt warnings (and worse) printed since the start of the run.
int qtWarnings();

// Resident memory of this process, in KiB.
inline long residentKiB()
{
    long pages = 0, resident = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// The sanitizer build runs fewer rounds, and its allocator keeps freed memory in quarantine, so
// resident memory says nothing there; the leak checker speaks for it instead.
#ifdef PLECTA_SOAK_SANITIZED
inline constexpr bool kMeasureMemory = false;
inline constexpr int kFunctionRounds = 25;
inline constexpr int kDocumentRounds = 25;
#else
inline constexpr bool kMeasureMemory = true;
inline constexpr int kFunctionRounds = 500;
inline constexpr int kDocumentRounds = 1000;
#endif

} // namespace soak
