#pragma once

#include "core/TipusActivitat.h"

#include <QString>
#include <QStringList>

// One exercise of a paper worksheet, drawn by the board's own generator for the activity, with
// what the answer key shows. Texts are as the board shows them (digit grouping, upper case).
struct ExerciciFitxa {
    TipusActivitat activitat = TipusActivitat::Cardinals;
    // Cardinals, ordinals: the phrase in words; Roman numerals: the number or the numeral given;
    // tables: "a × b".
    QString pregunta;
    // Ordering: the numbers in the order drawn. Addition, subtraction, long multiplication and
    // long division: the two operands in digits (first the one on top, or the dividend).
    QStringList nombres;
    // The answer: the number in digits, the numeral, the product, the sum or difference, the
    // quotient; for ordering the numbers in order, blank-separated.
    QString solucio;
    // Long multiplication: the partial products, then the product. Long division: the written rows
    // as the board shows them once complete (the products when the layout writes them, and the
    // remainders), top to bottom; the remainder last.
    QStringList files;
    // Roman numerals: the answer asked is a numeral (the number is given in digits).
    bool romaDemanat = false;
    // Long division written with its subtractions.
    bool ambResta = false;
};
