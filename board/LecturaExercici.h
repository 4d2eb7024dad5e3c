#pragma once

#include <QString>

class Activitat;

// The exercise on the board as a screen reader says it: what is asked, and what the pupil has
// written of the answer so far, read from the activity's public state. Digits the board spaces
// out into columns are read as whole numbers; the parts of a long operation are separated by
// commas, in the order they are written.
struct LecturaExercici {
    QString pregunta;
    QString resposta;

    static LecturaExercici de(const Activitat* activitat);
};
