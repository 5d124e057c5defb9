#pragma once

// The benchmark's clock and its one statistic.

#include <windows.h>

#include <algorithm>
#include <vector>

inline double NowSeconds()
{
    static const double frequency = [] {
        LARGE_INTEGER f{};
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency;
}

// The value below which `fraction` of the values lie, by linear interpolation.
inline double Quantile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const double position = fraction * static_cast<double>(values.size() - 1);
    const size_t below = static_cast<size_t>(position);
    const size_t above = below + 1 < values.size() ? below + 1 : below;
    const double weight = position - static_cast<double>(below);
    return values[below] * (1.0 - weight) + values[above] * weight;
}

inline double Median(const std::vector<double>& values)
{
    return Quantile(values, 0.5);
}
