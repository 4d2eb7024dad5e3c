#pragma once

#include <QString>

// The answer line of the number-panel activities (cardinals, ordinals, Roman numerals, tables):
// the pupil types the expected text `Solucio` one character at a time and every character is
// judged at once. A wrong character is not kept.
class LiniaResposta {
public:
    enum Resultat { Completa, Avanca, Erronia };

    // Start of an exercise: nothing typed, the cursor at the left, shown and grey.
    void inicia(const QString& solucio);
    Resultat caracter(QChar c);
    // The next right character (null when the answer is complete).
    QChar caracterAjuda() const;

    const QString& solucio() const { return solucio_; }
    const QString& escrit() const { return escrit_; } // `lblSolució`
    bool senyalVisible() const { return senyalVisible_; }
    bool senyalVermell() const { return senyalVermell_; }

private:
    QString solucio_;
    QString escrit_;
    bool senyalVisible_ = true;
    bool senyalVermell_ = false;
};
