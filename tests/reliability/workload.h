#pragma once

// How much work the stress tests do. An optimized build runs the full counts; a debug build,
// which is also the one built with the sanitizers, runs the smaller ones, since every step there
// costs ten to fifty times as much.
#ifdef NDEBUG
inline constexpr bool kFullWorkload = true;
#else
inline constexpr bool kFullWorkload = false;
#endif

constexpr int workload(int full, int reduced) {
    return kFullWorkload ? full : reduced;
}
