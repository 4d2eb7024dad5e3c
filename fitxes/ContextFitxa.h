#pragma once

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "levels/DadesNivell.h"

#include <cstdint>

// The series an activity runs in when it only deals exercises for paper: nobody answers, so the
// reports go nowhere; the level's parameters reach the activity held to the editor's ranges, as
// the board gives them, and the draws come from a source seeded with the sheet's seed.
class ContextFitxa : public ContextActivitat {
public:
    ContextFitxa(TipusActivitat activitat, const DadesNivell& nivell, uint32_t llavor, int idioma,
                 int separador, bool ambResta);

    void RespostaCorrecta(int) override {}
    void RespostaErronia() override {}
    void mostraMissatge(int) override {}
    int missatge() const override { return 0; }
    bool ajudaDemanada() const override { return false; }
    bool esperaActiva() const override { return false; }

    int parametre1() const override { return nivell_.Parametre1; }
    int parametre2() const override { return nivell_.Parametre2; }
    int separador() const override { return separador_; }
    int idioma() const override { return idioma_; }
    bool ambResta() const override { return ambResta_; }
    Atzar& atzar() override { return atzar_; }

private:
    DadesNivell nivell_;
    int idioma_;
    int separador_;
    bool ambResta_;
    Atzar atzar_;
};
