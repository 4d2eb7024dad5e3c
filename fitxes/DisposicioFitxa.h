#pragma once

#include "fitxes/ExerciciFitxa.h"
#include "fitxes/PaginaFitxa.h"
#include "levels/DadesNivell.h"

#include <QList>
#include <QString>

// Where everything of a worksheet goes on A4, in millimetres, from the exercises and the level:
// the header, each exercise in the form its activity takes on paper, the footer with the seed; and
// the answer key. Window-free: the pages are painted by whatever prints them.
namespace DisposicioFitxa {

// What the top of every page says, already in the interface language.
struct Capcalera {
    QString alumne;
    QString grup;
    QString activitat;
    QString nivell;         // e.g. "Nivell 3"
    QString data;           // dd/mm/yyyy
    QString llavor;         // printed small in the footer, to be typed back
    QString titolSolucions; // the answer key's title, e.g. "Solucions"
    QString pagina;         // "Pàgina"
};

// How many exercises of `activitat` at `nivell` fit on two pages (at least 1).
int maximExercicis(TipusActivitat activitat, const DadesNivell& nivell, bool ambResta);

// The sheet: one or two pages.
QList<PaginaFitxa> fitxa(const Capcalera& capcalera, const QList<ExerciciFitxa>& exercicis,
                         const DadesNivell& nivell);

// The answer key of one sheet, compact: usually one page.
QList<PaginaFitxa> solucions(const Capcalera& capcalera, const QList<ExerciciFitxa>& exercicis);

} // namespace DisposicioFitxa
