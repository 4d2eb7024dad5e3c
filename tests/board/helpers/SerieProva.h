#pragma once

#include "DadesNivell.h"
#include "EntornSerie.h"
#include "FakeActivitat.h"
#include "RecordingSoundPlayer.h"
#include "Registre.h"
#include "Serie.h"

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <memory>

// Remembers what a series reported to the front page.
struct ReceptorProva : ReceptorNivell {
    struct Avis {
        int activitat;
        Registre registre;
        QString text;
    };
    QList<Avis> avisos;
    void nivellSuperat(int activitat, const Registre& registre,
                       const QString& textNivell) override {
        avisos.append({activitat, registre, textNivell});
    }
};

// A whole board without a window: a program folder in a temporary directory holding the group's
// pupil file (three pupils, the second one playing) and the level set "Proves" with the level
// under test, a series over a FakeActivitat, the sounds it plays and the day 5 December 2001.
class SerieProva {
public:
    static constexpr int kGrup = 3;
    static constexpr int kPosicio = 2;
    static inline const QString kNom = QStringLiteral("Anna Puig");

    // Level `nivellAlumne` of `activitat` holds `d` in the level set; the group has `nivells`
    // levels of the activity.
    SerieProva(int activitat, int nivellAlumne, const DadesNivell& d, int nivells = 10);

    QTemporaryDir dir;
    RecordingSoundPlayer so;
    ReceptorProva receptor;
    ObreSerie obertura;
    std::unique_ptr<Serie> serie;
    FakeActivitat* act = nullptr;

    // Creates the series over a FakeActivitat and opens it.
    Serie& obre();
    // The same over the activity `crea` makes.
    Serie& obreAmb(Serie::CreaActivitat crea);

    // Types every character of `s` as a physical key.
    void escriu(const QString& s);
    void tics(int n);
    void enter();

    QString carpeta() const { return dir.path(); }
    QByteArray historial() const;
    QList<QByteArray> liniesHistorial() const;
    QByteArray fitxerAlumnes() const;
    // The level byte of activity `a` in record `posicio` of the pupil file.
    int nivellAlFitxer(int posicio, int a) const;
};

// Counter values of a level record, parameters left to the activity's defaults.
DadesNivell nivellAmb(int temps, int fer, int errors, int p1 = 1, int p2 = 1);
