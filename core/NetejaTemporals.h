#pragma once

#include <QString>

// Removes what a rewrite cut short by a crash or a power cut leaves beside its target: the
// temporary file QSaveFile (and the level editor's copies) write before the rename, named after
// the target plus "." and six letters (Qt 6.4's pattern, used where the file system cannot make
// an unnamed one, as on most file servers). Only the data folders are looked at, and in each only
// the temporaries of the files the program writes there: General.cfg and Grups.cfg in Inf/, .dat
// in Inf/Dat, .niv and .ni2 in Inf/Niv, .rtf in Inf/Hst, and in Imatges/ any name no pupil record
// names. A temporary written in the last few minutes is left alone: another computer sharing the
// folder may be writing it now. A shared file's lock (`FileLock`) whose holder is gone goes too.
void NetejaTemporals(const QString& carpeta);
