// Wall-clock timing for the in-process benchmarks: the performance counter
// in microseconds, and the median of a set of samples.
#pragma once

#include <vector>

// Microseconds since an arbitrary start, from QueryPerformanceCounter.
double NowMicroseconds();

// The median (the mean of the two middle values for an even count); 0 when empty.
double Median(std::vector<double> samples);
