#pragma once

#include <QChar>
#include <QString>

// The on-screen keyboards of the board: panel `Teclat`(0) holds the digit keys `Tecla`(0..9),
// panel (1) the digit keys (10..19) and the extra key (20), panel (2) the Roman letters (22..28).
// A key's caption is what it types, except the extra key when it reads "Espai": it types a blank.
class Teclats {
public:
    static constexpr int kTecles = 29; // indexes 0..28; there is no key 21
    static constexpr int kTeclaExtra = 20;

    // The keyboards of a board opened on `activitat` with the thousands separator `separador`
    // (0 ".", 1 blank, 2 none), the division layout `ambResta` and the interface language.
    Teclats(int activitat, int separador, bool ambResta, int idioma);

    // The panel that holds key `index`, -1 when there is no such key.
    static int panell(int index);

    QString rotul(int index) const;
    // The extra key captioned "Espai" is drawn in a smaller font (size 10) so the word fits.
    bool lletraPetita(int index) const;
    // What a click on key `index` types; a null character when there is no such key.
    QChar caracter(int index) const;

private:
    QString extra_;
    bool espai_ = false;
};
