#include "history/EscriuHistorial.h"

#include "core/Rutes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne, const QByteArray& linia) {
    const QString path = RutaHistorial(carpeta, nomAlumne);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return file.write(linia) == linia.size() && file.flush();
}

bool EscriuHistorial(const QString& carpeta, const QString& nomAlumne,
                     const LiniaHistorial& linia) {
    return EscriuHistorial(carpeta, nomAlumne, linia.bytes());
}
