#pragma once

#include "Activitat.h"
#include "CarpetaProva.h"
#include "FabricaActivitats.h"
#include "FakeContext.h"
#include "Pissarra.h"
#include "RecordingSoundPlayer.h"
#include "Registres.h"
#include "StringTable.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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
           bool ambResta = false, Serie::CreaActivitat crea = {})
        : guio(atzar) {
        c.escriu(c.niv("Proves"), Registres::joc({{activitat, 1, nivell}}));
        c.escriu(c.dat(TextIdioma(95, idioma)),
                 Registres::alumne(4, "Pere") + Registres::alumne(7, "Anna Puig"));
        ObreSerie o;
        o.carpeta = c.path();
        o.grup = 3;
        o.idioma = idioma;
        o.configGrup.NomNivell = "Proves";
        o.configGrup.OpcResta = ambResta ? 1 : 0;
        o.registre = {7, "Anna Puig", {1, 1, 1, 1, 1, 1, 1, 1, 1}, "anna.png"};
        o.posicio = 2;
        o.activitat = activitat;
        o.llavor = 11;
        if (!crea && !atzar.isEmpty())
            crea = [this](int a, ContextActivitat& serie) {
                guio.serie = &serie;
                return FabricaActivitats::crea(a, guio);
            };
        EntornSerie e;
        e.so = &so;
        e.avui = [] { return QDate(2001, 12, 5); };
        QPixmap foto(40, 40);
        foto.fill(Qt::blue);
        w = std::make_unique<Pissarra>(o, e, ImatgesPissarra{foto, {}},
                                       crea ? crea : FabricaActivitats::crea);
        w->findChild<QTimer*>("Timer1")->stop();
        w->show();
    }

    template <class T = QWidget> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    // A label's text, or a button's caption read on one line.
    QString text(const QString& nom) const {
        if (auto* l = fill<QLabel>(nom))
            return l->text();
        return fill<QPushButton>(nom)->text().replace(u'\n', u' ');
    }
    // A key typed on the board's keyboard box: '<' the left arrow.
    void tecla(QChar c) const {
        auto* caixa = fill("CaixaTeclat");
        if (c == u'<' || c == u'.')
            QTest::keyClick(caixa, c == u'<' ? Qt::Key_Left : Qt::Key_Period);
        else
            QTest::keyClick(caixa, c.toLatin1());
    }
    void clica(const QString& boto) const {
        QTest::mouseClick(fill<QPushButton>(boto), Qt::LeftButton);
    }
};
