#pragma once

#include "fitxes/ExerciciFitxa.h"
#include "levels/DadesNivell.h"

#include <QList>
#include <cstdint>

// The exercises of a worksheet, made by the same activity classes the board runs, fed with the
// level's parameters and a seed: the same request always gives the same exercises.
namespace GeneradorFitxa {

struct Peticio {
    TipusActivitat activitat = TipusActivitat::Cardinals;
    DadesNivell nivell;  // the level record the board would play (Parametre1, Parametre2)
    int exercicis = 10;  // how many
    uint32_t llavor = 1; // the seed
    int idioma = 0;      // language of the number words
    int separador = 0;   // thousands separator: 0 ".", 1 blank, 2 none
    bool ambResta = false;
};

QList<ExerciciFitxa> genera(const Peticio& peticio);

} // namespace GeneradorFitxa
