#pragma once

#include <QString>

// What the number words hand to the board for one number.
struct FraseNombre {
    // The question as `Pregunta` shows it: upper case, keeping the leading and trailing blanks
    // the word rules give it (" MIL " for 1000 in Catalan).
    QString frase;
    // `Solucio`, exactly what the pupil must type.
    QString solucio;

    bool operator==(const FraseNombre&) const = default;
};
