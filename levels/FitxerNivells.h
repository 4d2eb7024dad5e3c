#pragma once

#include "levels/DadesNivell.h"

#include <QString>

#include <optional>

// A level-set file: ninety 14-byte records, record IndexNivell(activity, level) for each level.
// Records are read and written one at a time, in place; each call opens and closes the file.
namespace FitxerNivells {

// Record k (1..90) of the file at `ruta`; all zeros when it lies (even partly) beyond the end of
// the file, when k is out of range or when the file cannot be read.
DadesNivell llegeix(const QString& ruta, int k);

// Record k (1..90) read whole from a file that can be opened for reading; nothing when it cannot
// be, or when the file ends before the record does. For those who must tell a damaged or
// unreadable set from one that holds zeros.
std::optional<DadesNivell> llegeixSencer(const QString& ruta, int k);

// Writes record k (1..90) in place. A missing file is first created with the defaults, so the
// record never lands in a file of zeros. Returns false on a bad k or a file error.
bool escriu(const QString& ruta, int k, const DadesNivell& d);

// Creates the file with the default set when it does not exist (its folder too). The new file
// appears complete or not at all. Returns true when the file exists afterwards.
bool creaSiFalta(const QString& ruta);

// What the board plays: level `nivell` of `activitat` from the set `nomNivell` of the program
// folder `carpeta`, the file being created with the defaults when missing, held to the editor's
// limits. An activity or level outside its range (1..9, 1..10) is read as the nearest one, so no
// other activity's record is ever played.
DadesNivell LlegeixNivell(const QString& carpeta, const QString& nomNivell, int activitat,
                          int nivell);

} // namespace FitxerNivells
