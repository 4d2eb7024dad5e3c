#include "history/EscriuHistorial.h"

#include "core/Rutes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne, const QByteArray& linia) {
    const QString ruta = RutaHistorial(carpeta, nomAlumne);
    if (!QDir().mkpath(QFileInfo(ruta).absolutePath()))
        return false;
    QFile fitxer(ruta);
    if (!fitxer.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return fitxer.write(linia) == linia.size() && fitxer.flush();
}

bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne,
                     const LiniaHistorial& linia) {
    return EscriuHistorial(carpeta, nomAlumne, linia.bytes());
}
