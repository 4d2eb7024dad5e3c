#include "fuzz/CarpetaFuzz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace CarpetaFuzz {

const QString& carpeta() {
    static const QTemporaryDir dir;
    static const QString path = [] {
        if (!dir.isValid())
            falla("temporary folder", __FILE__, __LINE__);
        for (const char* f : {"Inf/Niv", "Inf/Hst", "Inf/Dat", "Imatges"})
            QDir(dir.path()).mkpath(QString::fromLatin1(f));
        return dir.path();
    }();
    return path;
}

QString ruta(const QString& relatiu) {
    return carpeta() + u'/' + relatiu;
}

QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

void escriu(const QString& relatiu, const QByteArray& contingut) {
    const QString path = ruta(relatiu);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    COMPROVA(f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
             f.write(contingut) == contingut.size());
}

QByteArray llegeix(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool dinsDe(const QString& dins, const QString& path) {
    if (!path.startsWith(dins + u'/'))
        return false;
    const QString nom = path.mid(dins.size() + 1);
    return !nom.isEmpty() && !nom.contains(u'/') && nom != u"." && nom != u".." &&
           QDir::cleanPath(path) == path;
}

void falla(const char* condicio, const char* fitxer, int linia) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n", fitxer, linia, condicio);
    std::abort();
}

} // namespace CarpetaFuzz
