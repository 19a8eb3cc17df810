#pragma once

// Row loops are built for AVX2 as well as for plain x86-64, chosen when the program loads:
// wide vectors halve the cost of a blend.
#if defined(__x86_64__) && defined(__linux__)
#define BEZIER_ROW_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define BEZIER_ROW_KERNEL
#endif
