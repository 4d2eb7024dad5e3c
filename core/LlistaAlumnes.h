#pragma once

#include "core/Registre.h"

#include <QList>
#include <QString>
#include <QStringList>

// One data row of the front page's pupil grid `Relació`: the 13 cell texts of a pupil record.
using FilaAlumne = QStringList;

// The pupil list as the front page, the records editor and the board see it: rows of cell texts
// built from the records of a group's file, and the rules that work on those rows.
namespace LlistaAlumnes {

inline constexpr int kColumnes = 13;
inline constexpr int kColNumero = 0;
inline constexpr int kColNom = 1;
inline constexpr int kColNivell1 = 2; // activity a is column a + 1
inline constexpr int kColPosicio = 11;
inline constexpr int kColImatge = 12;

inline constexpr int kMaxAlumnes = 100;
// Levels per activity in a level set: a count beyond it would reach the next activity's records.
inline constexpr int kMaxNivells = 10;

// "-" for 0 (every level of the activity passed), the decimal number otherwise.
QString textNivell(int nivell);
// The inverse of textNivell; "-" and anything that is not a number read as 0.
int nivellDeText(const QString& text);

// The row of record `r` stored at position `posicio` of the file. Name and picture are shown as
// stored: cut and padded to their widths, with '?' for what Windows-1252 cannot hold, so a row
// built in memory equals the row a later read of the file gives.
FilaAlumne fila(const Registre& r, int posicio);
// The record a row stands for; number and levels out of the byte range are held to it.
Registre registre(const FilaAlumne& fila);
// The record's position in the file (column 11), 0 when the cell holds no number.
int posicio(const FilaAlumne& fila);
// The row's cells joined with TABs, the text the grid takes for a whole row.
QString textFila(const FilaAlumne& fila);

// Ascending on columns 0 to 11 in turn; two cells that both read as numbers compare by value, a
// text comes before a number, and two texts compare without regard to case. Column 11 is
// unique, so the order is total.
bool abans(const FilaAlumne& a, const FilaAlumne& b);
void ordena(QList<FilaAlumne>& files);

// Whether one more pupil may be added to a list of `filesDades` pupils. The front page refuses
// when its grid, heading included, has more than 100 rows: at most 100 pupils.
bool potAfegir(qsizetype filesDades);

// Where a new pupil's record goes: the first position no row holds. For a file the system wrote
// alone this is one past the last record; an empty slot (number 0) found in the file is reused,
// since counting rows there would land on a pupil's record and overwrite it.
int posicioNova(const QList<FilaAlumne>& files);

// The level stored after level `jugat` was passed, when the group's activity has `nivells` levels
// (a stored 0 counts as 10, as do counts beyond 10): 0 once the last level is passed, which also
// covers a pupil left above a count the teacher has since lowered, the next level otherwise.
int nivellDespresDeSuperar(int jugat, int nivells);

} // namespace LlistaAlumnes
