#include "core/Atzar.h"

#include <cmath>

float Atzar::r() {
    // 24 random bits make every float in [0, 1) with the same spacing; never 1.0f.
    return float(generador_() >> 8) / float(1u << 24);
}

int Atzar::entre(int minim, int maxim) {
    const double v = std::floor(double(maxim - minim + 1) * double(r()) + minim);
    return v > maxim ? maxim : int(v);
}
