#pragma once

#include <QColor>
#include <QFont>
#include <QString>

struct Sessio;

// How the level editor heads the columns of a level: the clock, the tick and the cross over
// `Temps`, `Fer` and `Errors`; two arrows over the bounds of a range (activities 1 to 4) or the
// parameters' names (activities 5 to 9). The grid and the editing controls beside it use the
// same heads, so the teacher sees one sign for one field. The tool-tip names the field in words.
struct CapcaleraNivells {
    QString text;
    QFont lletra;
    QColor color; // invalid: the palette's own
    QString ajuda;

    // Column 1..5 of activity 1..9, in the language of `sessio`.
    static CapcaleraNivells de(int activitat, int columna, const Sessio& sessio);
};
