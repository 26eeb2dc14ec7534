#pragma once
// A value per plot, indexed by the plot number 1 or 2 as everywhere in the program.
#include <cassert>

template <class T>
struct PerPlot {
    T values[2]{};
    T& operator[](int plot) {
        assert(plot == 1 || plot == 2);
        return values[plot - 1];
    }
    const T& operator[](int plot) const {
        assert(plot == 1 || plot == 2);
        return values[plot - 1];
    }
};
