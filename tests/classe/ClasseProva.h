#pragma once

#include "classe/Periode.h"
#include "core/ConfigGrup.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Registres.h"

// Group 1 (Dofins) with cardinals and Roman numerals of 5 levels and division of 8. In file
// order: Carla (3), an empty slot, Arnau (1, no history), Bet (2, one series in January), Àlex
// (4, a history that cannot be read) and a record numbered 0. Carla played three series in the
// last 30 days before 7 December 2026 and one in June; a note in her history is no series.
struct ClasseProva {
    CarpetaProva c;
    ConfigGrup cfg;
    const QDate avui{2026, 12, 7};
    const Periode darrers30 = Periode::de(Periode::Tipus::Darrers30Dies, avui);

    ClasseProva() {
        using Registres::alumne;
        cfg.Activitats = "101000001";
        cfg.Nivells = {5, 5, 5, 5, 5, 5, 5, 5, 8};
        c.escriu(c.dat("Dofins"),
                 alumne(3, "Carla", {2, 1, 0, 1, 1, 1, 1, 1, 2}) + QByteArray(65, '\0') +
                     alumne(1, "Arnau", 1) + alumne(2, "Bet", {2, 1, 5, 1, 1, 1, 1, 1, 0}) +
                     alumne(4, "\xC0lex", {5, 1, 3, 1, 1, 1, 1, 1, 8}) + alumne(0, "Zero", 1));
        c.escriu(c.hst("Carla"),
                 "01-12-26\tCardinals\tSuperat\t 1\t 10\t(10)\t  2\t(5)\t 95\t(300)\r\n"
                 "hola\r\n"
                 "05-12-26\tRomans\tErrors\t 5\t  3\t(10)\t  5\t(5)\t100\t(300)\r\n"
                 "03-12-26\tRomans\tAcaba\t 5\t 10\t(10)\t  0\t(5)\t3600\t(3600)\r\n"
                 "10-06-26\tDividir\tSuperat\t 1\t 10\t(10)\t  0\t(5)\t 60\t(300)\r\n");
        c.escriu(c.hst("Bet"),
                 "01-01-26\tDividir\tAbandona\t 8\t  1\t(10)\t  0\t(5)\t 30\t(300)\r\n");
        c.bloqueja(c.hst(QString::fromUtf8("\xC3\x80lex")));
    }
};
