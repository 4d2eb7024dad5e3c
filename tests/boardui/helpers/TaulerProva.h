#pragma once

#include "Activitat.h"
#include "CarpetaProva.h"
#include "FakeContext.h"
#include "Pissarra.h"
#include "RecordingSoundPlayer.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <memory>

// The series as the activity sees it, but for its random numbers, which come from a script.
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

// A board opened, its clock stopped, for "Anna Puig" (number 7, the second record of group 3's
// file) at level 1 of `activitat`, the level set "Proves" holding `nivell` there and nothing else.
// With `atzar` the activity draws its numbers from that script; `crea` replaces the activity.
struct Tauler {
    CarpetaProva c;
    RecordingSoundPlayer so;
    Guio guio;
    std::unique_ptr<Pissarra> w;

    Tauler(int activitat, const QByteArray& nivell, QList<float> atzar = {}, int idioma = 0,
           bool ambResta = false, Serie::CreaActivitat crea = {});

    template <class T = QWidget> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    // A label's text, or a button's caption read on one line.
    QString text(const QString& nom) const;
    // A key typed on the board's keyboard box: '<' the left arrow.
    void tecla(QChar c) const;
    void clica(const QString& boto) const {
        QTest::mouseClick(fill<QPushButton>(boto), Qt::LeftButton);
    }
};
