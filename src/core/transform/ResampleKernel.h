#pragma once

#include <vector>

// The weights of a separable resampling kernel along one axis: for each output position, the
// run of input positions it reads and their weights, which sum to 1. Made once per resize and
// shared by every row (or column) of it. A plain value; any thread.
struct ResampleKernel {
    int taps = 0;               // the most inputs any output reads
    std::vector<int> first;     // for each output: its first input
    std::vector<int> count;     // for each output: how many inputs it reads, at most `taps`
    std::vector<float> weights; // for each output: `taps` weights, those past `count` 0

    // Lanczos-3 from `in` samples, spanning `extent` of them (at most `in`), to `out`: pixel
    // centres aligned ((o + 0.5) * extent / out - 0.5), the kernel widened by the scale when
    // shrinking so every input counts, cut at the edges with its weights made to sum to 1
    // again. Enlarging uses the kernel as it is.
    static ResampleKernel lanczos3(int in, double extent, int out);
};
