#pragma once

#include "core/Atzar.h"
#include "core/ContextActivitat.h"

#include <QList>

// A series stand-in for activity tests: counts the reports and keeps the message button's state.
// `atzar` can be replaced by a scripted source to force a given exercise.
struct FakeContext : ContextActivitat {
    int correctes = 0;
    int errors = 0;
    QList<int> esperes; // missatgeEspera of every RespostaCorrecta
    int missatgeId = 0;
    bool ajuda = false;
    bool espera = false;
    int p1 = 1, p2 = 1;
    int sep = 0, lang = 0;
    bool resta = false;
    Atzar ownAtzar{12345};
    Atzar* atzarPtr = &ownAtzar;

    void RespostaCorrecta(int missatgeEspera = 71) override {
        ++correctes;
        esperes.append(missatgeEspera);
    }
    void RespostaErronia() override { ++errors; }
    void mostraMissatge(int id) override { missatgeId = id; }
    int missatge() const override { return missatgeId; }
    bool ajudaDemanada() const override { return ajuda; }
    bool esperaActiva() const override { return espera; }
    int parametre1() const override { return p1; }
    int parametre2() const override { return p2; }
    int separador() const override { return sep; }
    int idioma() const override { return lang; }
    bool ambResta() const override { return resta; }
    Atzar& atzar() override { return *atzarPtr; }
};

// A random source that returns the given values in turn (then repeats the last), to force the
// exercise a test needs.
class ScriptedAtzar : public Atzar {
public:
    explicit ScriptedAtzar(QList<float> values) : Atzar(0), values_(std::move(values)) {}
    float r() override {
        const float v = values_.value(next_, values_.isEmpty() ? 0.0f : values_.last());
        ++next_;
        return v;
    }

private:
    QList<float> values_;
    int next_ = 0;
};
