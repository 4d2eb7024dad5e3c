#pragma once

#include "history/LiniaHistorial.h"

#include <QString>

// Appends `linia` to the pupil's history as EscriuHistorial does, holding the history file's lock
// meanwhile, so that on a program folder shared by several computers the lines of two series
// never mix. False when the lock or the line could not be had.
bool EscriuHistorialCompartit(const QString& carpeta, const QString& nomAlumne,
                              const LiniaHistorial& linia);
