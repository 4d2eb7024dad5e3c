#pragma once

#include <QString>
#include <QStringList>

// `MigrarDades`: moves the files of the legacy Dades/ folder into the current layout and removes
// Dades/. Grups.cfg and General.cfg go to Inf/; a level set "<name>cfg" becomes Inf/Niv/<name>niv;
// "*dat" goes to Inf/Dat/; anything else to Inf/. Names are matched case-sensitively.
//
// A legacy file is deleted only once its copy is safely on disk, so a failure never loses data: the
// file stays in Dades/, Dades/ stays too, and the next start tries again. Returns false when
// something could not be moved; `noMoguts` then lists the paths (relative to `carpeta`) left
// behind. No Dades/ folder: nothing happens and the result is true.
bool MigrarDades(const QString& carpeta, QStringList* noMoguts = nullptr);
