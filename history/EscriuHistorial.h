#pragma once

#include "history/LiniaHistorial.h"

#include <QByteArray>
#include <QString>

// Appends `linia` to the history file of the pupil named `nomAlumne` (Inf/Hst/<name>.rtf under
// `carpeta`, the name made safe for a file name), creating the file, and its folder when it has
// gone missing, under the history file's lock. The line is on the medium when this returns. Returns
// false when the lock or the line could not be had; a history line is never worth ending the series
// over.
bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne, const QByteArray& linia);
bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne, const LiniaHistorial& linia);
