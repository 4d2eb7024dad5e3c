#pragma once

#include <cstdint>
#include <random>

// The one source of randomness of a board: uniform numbers r in [0, 1). The program seeds it from
// the clock once per board; tests seed it with a fixed value so every exercise is reproducible.
class Atzar {
public:
    explicit Atzar(uint32_t seed) : gen_(seed) {}
    virtual ~Atzar() = default;

    // A fresh r in [0, 1), single precision as the exercise generators draw it.
    virtual float r();

    // Int((hi - lo + 1) * r + lo): an integer in lo..hi drawn with a fresh r.
    int entre(int lo, int hi);

private:
    std::mt19937 gen_;
};
