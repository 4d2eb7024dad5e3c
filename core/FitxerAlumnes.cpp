#include "core/FitxerAlumnes.h"

#include "core/AtomicFile.h"
#include "core/RecordFile.h"
#include "core/Rutes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

bool ensureFolder(const QString& path) {
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

} // namespace

namespace FitxerAlumnes {

QList<FilaAlumne> llegeix(const QString& carpeta, int grup, int idioma) {
    QList<FilaAlumne> files;
    QFile fitxer(RutaRegistres(carpeta, grup, idioma));
    if (!fitxer.open(QIODevice::ReadOnly))
        return files;
    const QByteArray bytes = fitxer.readAll();
    const int n = int(bytes.size() / Registre::kLength);
    for (int p = 1; p <= n; ++p) {
        const Registre r =
            Registre::decode(bytes.mid((p - 1) * Registre::kLength, Registre::kLength));
        if (r.Numero != 0)
            files << LlistaAlumnes::fila(r, p);
    }
    return files;
}

bool escriu(const QString& carpeta, int grup, int idioma, int posicio, const Registre& r) {
    const QString ruta = RutaRegistres(carpeta, grup, idioma);
    if (posicio < 1 || posicio > RecordFile::count(ruta, Registre::kLength) + 1)
        return false;
    if (!ensureFolder(ruta))
        return false;
    return RecordFile::write(ruta, Registre::kLength, posicio, r.encode());
}

bool reescriu(const QString& carpeta, int grup, int idioma, QList<FilaAlumne>& files) {
    const QString ruta = RutaRegistres(carpeta, grup, idioma);
    if (files.isEmpty())
        return !QFileInfo::exists(ruta) || QFile::remove(ruta);

    if (!ensureFolder(ruta))
        return false;
    QByteArray bytes;
    for (const FilaAlumne& f : files)
        bytes += LlistaAlumnes::registre(f).encode();
    if (!AtomicFile::write(ruta, bytes))
        return false;
    for (int i = 0; i < files.size(); ++i) {
        while (files[i].size() < LlistaAlumnes::kColumnes)
            files[i] << QString();
        files[i][LlistaAlumnes::kColPosicio] = QString::number(i + 1);
    }
    return true;
}

bool afegeix(const QString& carpeta, int grup, int idioma, const QList<FilaAlumne>& nous) {
    const QString ruta = RutaRegistres(carpeta, grup, idioma);
    QByteArray bytes;
    QFile actual(ruta);
    if (actual.exists()) {
        if (!actual.open(QIODevice::ReadOnly))
            return false;
        bytes = actual.readAll();
        actual.close();
    }
    qsizetype registres = bytes.size() / Registre::kLength;
    for (const FilaAlumne& f : nous) {
        const qsizetype p = LlistaAlumnes::posicio(f);
        if (p < 1 || p > registres + 1)
            return false;
        // A record cut short at the end is overwritten whole, as a write in place does.
        const qsizetype fi = p * Registre::kLength;
        if (bytes.size() < fi)
            bytes.append(QByteArray(fi - bytes.size(), '\0'));
        bytes.replace((p - 1) * Registre::kLength, Registre::kLength,
                      LlistaAlumnes::registre(f).encode());
        registres = std::max(registres, p);
    }
    if (!ensureFolder(ruta))
        return false;
    return AtomicFile::write(ruta, bytes);
}

bool desaNivellSuperat(const QString& carpeta, int grup, int idioma, int activitat, int jugat,
                       int nivells, Registre& r, FilaAlumne& fila) {
    if (activitat < 1 || activitat > kActivitats)
        return false;
    LlistaAlumnes::aplicaNivell(r, fila, activitat,
                                LlistaAlumnes::nivellDespresDeSuperar(jugat, nivells));
    return escriu(carpeta, grup, idioma, LlistaAlumnes::posicio(fila), r);
}

} // namespace FitxerAlumnes
