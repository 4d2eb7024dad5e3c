#pragma once

#include "core/ConfigGrup.h"
#include "core/LlistaAlumnes.h"
#include "fitxes/PaginaFitxa.h"
#include "levels/DadesNivell.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

// One print of worksheets for some pupils of a group: each pupil's level, the exercises drawn for
// it and the pages, sheet after sheet, each followed by its answer key when asked. Sheet k of a
// print (from 0) is drawn from seed + k and carries that seed in its footer, so typing it back
// for that one pupil prints the same sheet again.
namespace EncarrecFitxes {

// The level `fila`'s pupil works at in `activitat`: the stored one held to the group's count of
// levels, and for a finished activity (stored 0) the group's last level.
int nivellAlumne(const FilaAlumne& fila, TipusActivitat activitat, const ConfigGrup& grup);

// The level record the board would play, or the text id of what the front page says when the
// group has no level set, its file is missing or cannot be read whole.
struct Nivell {
    DadesNivell dades;
    int error = 0;
};
Nivell llegeixNivell(const QString& carpeta, const ConfigGrup& grup, TipusActivitat activitat,
                     int nivell);

// The level's count of exercises, within what fits on the sheet.
int exercicisPerDefecte(TipusActivitat activitat, const DadesNivell& dades, bool ambResta);

struct Full {
    QString alumne; // the name without padding
    int nivell = 1;
    DadesNivell dades;
};

struct Peticio {
    TipusActivitat activitat = TipusActivitat::Cardinals;
    QList<Full> fulls;
    int exercicis = 10; // held to what fits at each pupil's level
    bool solucions = false;
    uint32_t llavor = 1;
    int idioma = 0;
    int separador = 0;
    bool ambResta = false;
    // The header's words, in the interface language.
    QString grup;
    QString nomActivitat;
    QString paraulaNivell; // "Nivell"
    QString titolSolucions;
    QString pagina;
    QString data; // dd/mm/yyyy
};

QList<PaginaFitxa> pagines(const Peticio& peticio);

} // namespace EncarrecFitxes
