#pragma once

#include <cstdint>
#include <random>

// The one source of randomness of a board: uniform numbers r in [0, 1). The program seeds it from
// the clock once per board; tests seed it with a fixed value so every exercise is reproducible.
class Atzar {
public:
    explicit Atzar(uint32_t llavor) : generador_(llavor) {}
    virtual ~Atzar() = default;

    // A fresh r in [0, 1), single precision as the exercise generators draw it.
    virtual float r();

    // Int((maxim - minim + 1) * r + minim): an integer in minim..maxim drawn with a fresh r.
    int entre(int minim, int maxim);

private:
    std::mt19937 generador_;
};
