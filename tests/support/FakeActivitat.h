#pragma once

#include "core/Activitat.h"
#include "core/ContextActivitat.h"
#include "core/LiniaResposta.h"

#include <QList>
#include <QString>

// A scripted activity for series tests: every exercise asks for the same answer `solucio`, typed
// on an answer line and judged character by character, as the number-panel activities do. It
// records every hook the series calls, and what it saw of the series when it was called.
class FakeActivitat : public Activitat {
public:
    explicit FakeActivitat(ContextActivitat& ctx, QString solucio = QStringLiteral("12"))
        : Activitat(ctx), solucio(std::move(solucio)) {}

    QString solucio;
    QString acceptats = QStringLiteral("0123456789"); // physical keys taken
    int teclatMostrat = 0;
    int missatgeEspera = 71; // what a right exercise asks the series to show while waiting

    int preparats = 0;
    int noves = 0;
    int ajudes = 0;
    int fletxes = 0;
    QString rebuts;             // every character that reached `caracter`
    QList<int> missatgesEnNova; // the message on the button at each `novaOperacio`
    int p1 = -1, p2 = -1;       // the parameters seen at set-up
    LiniaResposta linia;

    void preparar() override {
        ++preparats;
        p1 = ctx_.parametre1();
        p2 = ctx_.parametre2();
        linia.inicia(solucio);
    }
    void novaOperacio() override {
        ++noves;
        missatgesEnNova << ctx_.missatge();
        linia.inicia(solucio);
    }
    void caracter(QChar c) override {
        rebuts += c;
        switch (linia.caracter(c)) {
        case LiniaResposta::Completa:
            ctx_.RespostaCorrecta(missatgeEspera);
            break;
        case LiniaResposta::Erronia:
            ctx_.RespostaErronia();
            break;
        case LiniaResposta::Avanca:
            break;
        }
    }
    void ajuda() override {
        ++ajudes;
        const QChar c = linia.caracterAjuda();
        if (!c.isNull())
            caracter(c);
    }
    bool accepta(QChar c) const override { return acceptats.contains(c); }
    int teclat() const override { return teclatMostrat; }
    void fletxaEsquerra() override { ++fletxes; }
};
