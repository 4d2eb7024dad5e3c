#pragma once

#include <QTest>

#include <cstddef>

// Data tables as arrays of row structs, each with a `const char* nom`: `files(kRows)` in the
// _data() slot makes one named row per element, `fila(kRows)` in the test reads the current one.
//
//     struct Cas { const char* nom; int entrada; int esperat; };
//     const Cas kCasos[] = {{"zero", 0, 0}, {"u", 1, 2}};
//     void doble_data() { files(kCasos); }
//     void doble() { const Cas& c = fila(kCasos); QCOMPARE(doble(c.entrada), c.esperat); }

template <class T, std::size_t N> void files(const T (&taula)[N]) {
    QTest::addColumn<int>("fila");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(taula[i].nom) << int(i);
}

template <class T, std::size_t N> const T& fila(const T (&taula)[N]) {
    QFETCH(int, fila);
    return taula[fila];
}
