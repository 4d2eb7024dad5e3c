#pragma once

#include "core/TipusActivitat.h"

#include <QColor>
#include <QFont>
#include <QString>

struct Sessio;

// How the level editor heads the columns of a level: the clock, the tick and the cross over
// `Temps`, `Fer` and `Errors`; two arrows over the bounds of a range (the numeration activities)
// or the parameters' names (the calculations). The grid and the editing controls beside it use the
// same heads, so the teacher sees one sign for one field. The tool-tip names the field in words.
struct CapcaleraNivells {
    QString text;
    QFont lletra;
    QColor color; // invalid: the palette's own
    QString ajuda;

    // Column 1..5 of `activitat`, in the language of `sessio`.
    static CapcaleraNivells de(TipusActivitat activitat, int columna, const Sessio& sessio);
    // The string id of the name of `activitat`'s first parameter; the second's is the next id.
    static int idParametre(TipusActivitat activitat);
};
