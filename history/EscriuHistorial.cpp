#include "history/EscriuHistorial.h"

#include "core/DiskSync.h"
#include "core/FileLock.h"
#include "core/Rutes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne, const QByteArray& linia) {
    const QString ruta = RutaHistorial(carpeta, nomAlumne);
    // On a program folder shared by several computers, the lines of two series never mix (an
    // append is not atomic across the machines of a network file system).
    FileLock bloqueig(RutaBloqueig(carpeta, ruta));
    if (!bloqueig.lock() || !QDir().mkpath(QFileInfo(ruta).absolutePath()))
        return false;
    const bool nou = !QFileInfo::exists(ruta);
    QFile fitxer(ruta);
    // Unbuffered, the line goes to the end of the file in one write(2), so a program killed while
    // writing leaves the line whole or not at all, never half a line for the next one to follow.
    if (!fitxer.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    if (fitxer.write(linia) != linia.size() || !DiskSync::file(fitxer))
        return false;
    if (nou)
        DiskSync::folderOf(ruta);
    return true;
}

bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne,
                     const LiniaHistorial& linia) {
    return EscriuHistorial(carpeta, nomAlumne, linia.bytes());
}
