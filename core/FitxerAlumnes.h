#pragma once

#include "core/LlistaAlumnes.h"
#include "core/Registre.h"

#include <QList>
#include <QString>

// The pupil-record file of a group (Inf/Dat/<group name in language `idioma`>.dat, 65-byte
// records) read into rows of the pupil list and written back from them.
namespace FitxerAlumnes {

// The rows of the file's records in file order, one per record whose number is not 0; empty slots
// are skipped but counted, so each row's column 11 is the record's true position. A record cut
// short by the end of the file counts as an empty slot. A missing file is an empty list; reading
// never creates or changes the file (the first write creates it).
QList<FilaAlumne> llegeix(const QString& carpeta, int grup, int idioma);

// Writes the record of every row of `nous` at the row's own position (column 11), all in one
// replacement of the file: the records at other positions, empty slots among them, keep their
// bytes. A position another computer has filled since goes to the first empty slot instead. A
// position further on than one past the last record (counting those written before it) is refused,
// as is a file that cannot be read. False when refused or failed; the file is then as it was.
bool afegeix(const QString& carpeta, int grup, int idioma, const QList<FilaAlumne>& nous);

// Stores `nivell` for activity 1..9 in the pupil's record as the file holds it now (found at
// `posicio` or, moved by another computer's rewrite, by the name of `r`, or renamed there, by
// its number and picture at `posicio`); when another computer changed that level since `r` was
// read, the higher of the two stays (0, finished, is the highest). Nothing else changes, so a
// rename made elsewhere stays. `r` becomes the record stored. False when the pupil is no longer in
// the file or on a failure.
bool desaNivell(const QString& carpeta, int grup, int idioma, int posicio, int activitat,
                int nivell, Registre& r);

// An edit of the record `abans` (read at `posicio`) into `despres`, written over the pupil's
// record as the file holds it now: only the fields the edit changed are taken, so a level passed
// or a name changed on another computer meanwhile stays. Where both changed a level, the edit's
// wins and `conflicte` is set. A pupil no longer in the file is written at the first free
// position. `despres` becomes the record stored; the result is its position, 0 on a failure.
int escriuCanvis(const QString& carpeta, int grup, int idioma, int posicio, const Registre& abans,
                 Registre& despres, bool* conflicte = nullptr);

// Removes the pupils of `esborrats` (rows as read, found again as desaNivell() finds a pupil)
// from the file as it is now, in one rewrite that keeps every other record, and gives `files`
// the rows that stay at their new positions 1..n. No row left removes the file. False on a
// failure; the file is then as it was.
bool reescriuSenseEsborrats(const QString& carpeta, int grup, int idioma,
                            const QList<FilaAlumne>& esborrats, QList<FilaAlumne>& files);

} // namespace FitxerAlumnes
