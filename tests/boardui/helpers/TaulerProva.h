#pragma once

#include "Atzar.h"
#include "ContextActivitat.h"
#include "DadesNivell.h"
#include "FakeContext.h"
#include "Pissarra.h"

#include <QList>
#include <QString>
#include <memory>

// What the panel tests share: a board opened for pupil "Pau" on level 1 of one activity, in a
// program folder that holds the level set "Proves" and nothing else.

// The series as the activity sees it, except that its random numbers come from a script, so a
// test chooses the exercise.
struct Guio : ContextActivitat {
    ContextActivitat* serie = nullptr;
    ScriptedAtzar atzarGuionat;
    explicit Guio(QList<float> r) : atzarGuionat(std::move(r)) {}
    void RespostaCorrecta(int m = 71) override { serie->RespostaCorrecta(m); }
    void RespostaErronia() override { serie->RespostaErronia(); }
    void mostraMissatge(int id) override { serie->mostraMissatge(id); }
    int missatge() const override { return serie->missatge(); }
    bool ajudaDemanada() const override { return serie->ajudaDemanada(); }
    bool esperaActiva() const override { return serie->esperaActiva(); }
    int parametre1() const override { return serie->parametre1(); }
    int parametre2() const override { return serie->parametre2(); }
    int separador() const override { return serie->separador(); }
    int idioma() const override { return serie->idioma(); }
    bool ambResta() const override { return serie->ambResta(); }
    Atzar& atzar() override { return atzarGuionat; }
};

// Writes the level set "Proves" into `carpeta` with `nivell` as level 1 of `activitat` (every
// other record zero), opens the board on it with the clock stopped and shows it. With `guio`
// the activity draws its numbers from the script.
std::unique_ptr<Pissarra> obreTaulerProva(const QString& carpeta, int activitat,
                                          const DadesNivell& nivell, const EntornSerie& entorn,
                                          Guio* guio = nullptr, bool ambResta = false);
