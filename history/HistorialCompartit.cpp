#include "history/HistorialCompartit.h"

#include "core/FileLock.h"
#include "core/Rutes.h"
#include "history/EscriuHistorial.h"

bool EscriuHistorialCompartit(const QString& carpeta, const QString& nomAlumne,
                              const LiniaHistorial& linia) {
    FileLock bloqueig(RutaBloqueig(carpeta, RutaHistorial(carpeta, nomAlumne)));
    return bloqueig.lock() && EscriuHistorial(carpeta, nomAlumne, linia);
}
