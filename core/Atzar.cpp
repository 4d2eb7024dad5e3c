#include "core/Atzar.h"

#include <cmath>

float Atzar::r() {
    // 24 random bits make every float in [0, 1) with the same spacing; never 1.0f.
    return float(gen_() >> 8) / float(1u << 24);
}

int Atzar::entre(int lo, int hi) {
    const double v = std::floor(double(hi - lo + 1) * double(r()) + lo);
    return v > hi ? hi : int(v);
}
