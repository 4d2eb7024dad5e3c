#include "levels/NivellsPerDefecte.h"

#include <QIODevice>

#include <array>

namespace {

using Row = std::array<int, kNivellsPerActivitat>;

struct TaulaActivitat {
    Row temps;
    Row fer;
    Row parametre1;
    Row parametre2;
};

constexpr int kErrors = 5;

constexpr TaulaActivitat kSumarRestar{
    {120, 130, 140, 150, 160, 170, 180, 190, 210, 240},
    {5, 5, 5, 5, 5, 5, 5, 5, 5, 5},
    {1, 2, 3, 4, 5, 2, 3, 4, 4, 5},
    {0, 0, 0, 0, 0, 1, 1, 1, 1, 1},
};

constexpr TaulaActivitat kMultiplicarDividir{
    {120, 140, 160, 180, 200, 220, 240, 260, 280, 300},
    {5, 5, 5, 5, 5, 5, 5, 5, 5, 5},
    {1, 1, 2, 2, 3, 3, 4, 4, 5, 5},
    {1, 1, 1, 2, 2, 2, 3, 3, 3, 3},
};

constexpr std::array<TaulaActivitat, kActivitats> kTaula{{
    // Cardinals
    {{120, 130, 140, 150, 160, 180, 210, 240, 270, 300},
     {20, 19, 18, 17, 16, 15, 14, 13, 12, 10},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {10, 50, 100, 500, 1000, 10000, 100000, 1000000, 10000000, 100000000}},
    // Ordinals
    {{120, 120, 120, 120, 120, 120, 120, 120, 120, 120},
     {15, 15, 15, 15, 15, 15, 15, 15, 15, 15},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
     {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
    // Romans
    {{60, 70, 80, 90, 100, 110, 120, 130, 140, 150},
     {10, 11, 12, 13, 14, 15, 16, 17, 18, 20},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
     {10, 20, 30, 50, 90, 100, 300, 500, 1000, 3999}},
    // Ordenació
    {{180, 180, 180, 180, 180, 180, 180, 180, 180, 180},
     {8, 8, 8, 8, 8, 8, 8, 8, 8, 8},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {9, 99, 999, 9999, 99999, 999999, 9999999, 99999999, 999999999, 999999999}},
    kSumarRestar,
    kSumarRestar,
    // Taules
    {{60, 60, 60, 60, 60, 60, 60, 60, 60, 60},
     {10, 10, 11, 11, 12, 12, 13, 13, 14, 15},
     {2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
     {2, 2, 3, 4, 5, 6, 7, 8, 9, 9}},
    kMultiplicarDividir,
    kMultiplicarDividir,
}};

} // namespace

DadesNivell NivellsPerDefecte::nivell(int activitat, int nivell) {
    if (activitat < 1 || activitat > kActivitats || nivell < 1 || nivell > kNivellsPerActivitat)
        return {};
    const TaulaActivitat& t = kTaula[activitat - 1];
    const int i = nivell - 1;
    DadesNivell d;
    d.Temps = int16_t(t.temps[i]);
    d.Fer = int16_t(t.fer[i]);
    d.Errors = kErrors;
    d.Parametre1 = t.parametre1[i];
    d.Parametre2 = t.parametre2[i];
    return d;
}

bool EscriuNivellsPerDefecte(QIODevice& fitxer) {
    for (int a = 1; a <= kActivitats; ++a)
        for (int n = 1; n <= kNivellsPerActivitat; ++n)
            if (fitxer.write(NivellsPerDefecte::nivell(a, n).encode()) != DadesNivell::kLength)
                return false;
    return true;
}
