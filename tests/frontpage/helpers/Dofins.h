#pragma once

#include "Registres.h"

// Group 1's pupils in file order: Carla, an empty slot, Arnau, and Bet, who has finished the
// cardinals and whose picture names a path out of the pictures folder.
inline const QByteArray kDofins =
    Registres::alumne(3, "Carla", {4, 1, 1, 1, 5, 1, 1, 1, 1}) + QByteArray(65, '\0') +
    Registres::alumne(1, "Arnau", {2, 3, 1, 1, 1, 1, 1, 1, 1}) +
    Registres::alumne(2, "Bet", {0, 6, 1, 1, 2, 1, 1, 1, 1}, "../../fora.png");

// `n` pupils numbered 1..n.
inline QByteArray llistaDe(int n) {
    QByteArray b;
    for (int i = 1; i <= n; ++i)
        b += Registres::alumne(i, "Alumne " + QByteArray::number(i));
    return b;
}
