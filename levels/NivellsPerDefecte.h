#pragma once

#include "levels/DadesNivell.h"

class QIODevice;

// The level set written whenever a level-set file is found missing. Fixed data of the program:
// it depends on no setting, language or group.
class NivellsPerDefecte {
public:
    // Level `nivell` (1..10) of activity `activitat` (1..9); an all-zero record outside.
    static DadesNivell nivell(int activitat, int nivell);
};

// Writes the ninety default records one after the other from the device's current position,
// activity 1 level 1 first, activity 9 level 10 last. Does not close the device. Returns false
// when a write fails.
bool EscriuNivellsPerDefecte(QIODevice& fitxer);
