#pragma once

#include <QByteArray>
#include <QList>
#include <array>
#include <cstdint>
#include <initializer_list>

// The bytes of the program's records, laid down by hand from the file formats (little-endian,
// Windows-1252 text padded with spaces), never through the program's own encoders: a test that
// compares what the program wrote with these catches a wrong byte.

namespace Registres {

inline QByteArray le(qint64 v, int bytes) {
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b += char((v >> (8 * i)) & 0xFF);
    return b;
}

// `text` (Latin-1 here, which Windows-1252 shares for what tests type) cut or space-padded to
// `width`.
inline QByteArray camp(const QByteArray& text, int width) {
    return text.left(width).leftJustified(width, ' ');
}

// A 65-byte pupil record: number, name (35), nine levels, picture (20).
inline QByteArray alumne(int numero, const QByteArray& nom, std::array<uint8_t, 9> nivells,
                         const QByteArray& imatge = {}) {
    QByteArray b(1, char(numero));
    b += camp(nom, 35);
    for (uint8_t n : nivells)
        b += char(n);
    return b + camp(imatge, 20);
}
// The same with one level for every activity.
inline QByteArray alumne(int numero, const QByteArray& nom, uint8_t nivell = 1,
                         const QByteArray& imatge = {}) {
    std::array<uint8_t, 9> n;
    n.fill(nivell);
    return alumne(numero, nom, n, imatge);
}

// A 14-byte level record: Temps, Fer, Errors (2 bytes each), Parametre1, Parametre2 (4 each).
inline QByteArray nivell(int temps, int fer, int errors, qint32 p1, qint32 p2) {
    return le(temps, 2) + le(fer, 2) + le(errors, 2) + le(p1, 4) + le(p2, 4);
}

// A level set of 90 records, all zeros but `records` {activity, level, record}.
struct NivellA {
    int activitat;
    int nivell;
    QByteArray record;
};
inline QByteArray joc(std::initializer_list<NivellA> records) {
    QByteArray b(90 * 14, '\0');
    for (const NivellA& r : records)
        b.replace(((r.activitat - 1) * 10 + r.nivell - 1) * 14, 14, r.record);
    return b;
}

// General.cfg: GrupActual (2), Clau (8), Demanar (1), Idioma (2), Separador (1).
inline QByteArray general(int grup, const QByteArray& clau = "TUXAM", int demanar = 0,
                          int idioma = 0, int separador = 0) {
    return le(grup, 2) + camp(clau, 8) + char(demanar) + le(idioma, 2) + char(separador);
}

// One 119-byte record of Grups.cfg: Activitats (9), OpcResta, nine level counts, NomNivell (100).
inline QByteArray grup(const QByteArray& activitats = "111111111", int opcResta = 0,
                       uint8_t nivells = 10, const QByteArray& nomNivell = {}) {
    return camp(activitats, 9) + char(opcResta) + QByteArray(9, char(nivells)) +
           camp(nomNivell, 100);
}

} // namespace Registres
