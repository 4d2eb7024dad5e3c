// Phrases per second of the number words of each language, cardinal and ordinal, and of the
// Roman numerals. Build in Release (-DXIFRUM_BENCH=ON) and run bench_numberwords.
#include "numeration/NomsNombres.h"
#include "numeration/XifresRomanes.h"

#include <QElapsedTimer>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr qint64 kMinimumNs = 500'000'000; // each measurement runs at least half a second

std::vector<qint64> drawNumbers(qint64 from, qint64 to) {
    std::mt19937 gen(20261206);
    std::uniform_int_distribution<qint64> draw(from, to);
    std::vector<qint64> numbers(4096);
    for (qint64& n : numbers)
        n = draw(gen);
    return numbers;
}

// Runs `make` over the numbers until the minimum time has passed; returns phrases per second.
// The lengths are summed so that no call can be optimised away.
template <typename Make>
double measure(const std::vector<qint64>& numbers, Make make, qint64& checksum) {
    QElapsedTimer timer;
    timer.start();
    qint64 phrases = 0;
    do {
        for (qint64 n : numbers)
            checksum += make(n);
        phrases += qint64(numbers.size());
    } while (timer.nsecsElapsed() < kMinimumNs);
    return double(phrases) * 1e9 / double(timer.nsecsElapsed());
}

} // namespace

int main() {
    const std::vector<qint64> cardinals = drawNumbers(0, 999'999'999);
    const std::vector<qint64> ordinals = drawNumbers(1, 1000);
    const std::vector<qint64> romans = drawNumbers(1, 3999);
    qint64 checksum = 0;

    struct Language {
        const char* name;
        int idioma;
    };
    const Language languages[] = {{"Catalan", 0}, {"Spanish", 1}, {"Galician", 2}, {"Basque", 3}};

    std::printf("%-10s %22s %22s\n", "", "cardinals/s (0..1e9)", "ordinals/s (1..1000)");
    for (const Language& l : languages) {
        const double c = measure(
            cardinals,
            [&](qint64 n) { return NomsNombres::fraseCardinal(l.idioma, n, 0)->frase.size(); },
            checksum);
        const double o = measure(
            ordinals,
            [&](qint64 n) { return NomsNombres::fraseOrdinal(l.idioma, n)->frase.size(); },
            checksum);
        std::printf("%-10s %22.0f %22.0f\n", l.name, c, o);
    }
    const double r = measure(
        romans, [](qint64 n) { return XifresRomanes::numeral(n).size(); }, checksum);
    std::printf("%-10s %22.0f (numerals/s, 1..3999)\n", "Roman", r);
    std::printf("(checksum %lld)\n", static_cast<long long>(checksum));
    return 0;
}
