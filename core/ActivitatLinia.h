#pragma once

#include "core/Activitat.h"
#include "core/LiniaResposta.h"

#include <QString>

// An activity answered on the answer line (cardinals, ordinals, Roman numerals, tables): the
// question shown in `Pregunta`, the expected text judged one character at a time, help entering
// the next right character. Subclasses only generate the exercise and filter the keys.
class ActivitatLinia : public Activitat {
    Q_OBJECT
public:
    using Activitat::Activitat;

    void caracter(QChar c) override;
    void ajuda() override;

    const QString& pregunta() const { return pregunta_; } // `Pregunta`
    const QString& solucio() const { return linia_.solucio(); }
    const LiniaResposta& linia() const { return linia_; }
    // A finished exercise takes no more characters until the next one.
    bool completa() const { return completa_; }

protected:
    // A new exercise: `pregunta` shown, `solucio` expected, nothing typed yet.
    void nouExercici(const QString& pregunta, const QString& solucio);

private:
    QString pregunta_;
    LiniaResposta linia_;
    bool completa_ = false;
};
