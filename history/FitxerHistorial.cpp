#include "history/FitxerHistorial.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/Rutes.h"
#include "core/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace FitxerHistorial {

std::optional<QString> obre(const QString& carpeta, const QString& nomAlumne, bool* noCreat) {
    if (noCreat)
        *noCreat = false;
    const QString ruta = RutaHistorial(carpeta, nomAlumne);
    QFile fitxer(ruta);
    if (!fitxer.open(QIODevice::ReadOnly)) {
        // Only a missing file is created: truncating one that merely refused to open would throw
        // away a history.
        if (QFileInfo::exists(ruta))
            return std::nullopt;
        QFile nou(ruta);
        if (!QDir().mkpath(QFileInfo(ruta).absolutePath()) ||
            !nou.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (noCreat)
                *noCreat = true;
            return std::nullopt;
        }
        nou.close();
        if (!fitxer.open(QIODevice::ReadOnly))
            return std::nullopt;
    }
    return text(fitxer.readAll());
}

bool desa(const QString& carpeta, const QString& nomAlumne, const QString& text) {
    const QString ruta = RutaHistorial(carpeta, nomAlumne);
    if (!QDir().mkpath(QFileInfo(ruta).absolutePath()))
        return false;
    return AtomicFile::write(ruta, bytes(text));
}

bool desaEdicio(const QString& carpeta, const QString& nomAlumne, QString& text,
                const QString& obert) {
    const QString ruta = RutaHistorial(carpeta, nomAlumne);
    FileLock bloqueig(RutaBloqueig(carpeta, ruta));
    if (!bloqueig.lock())
        return false;
    QFile fitxer(ruta);
    QString desat = text;
    if (fitxer.open(QIODevice::ReadOnly)) {
        const QString ara = FitxerHistorial::text(fitxer.readAll());
        // As the file holds it: a last line ended, whatever the box had.
        const QString base = FitxerHistorial::text(bytes(obert));
        if (ara.size() > base.size() && ara.startsWith(base)) {
            if (!desat.isEmpty() && !desat.endsWith(u'\n'))
                desat += u'\n';
            desat += ara.mid(base.size());
        }
    }
    if (!desa(carpeta, nomAlumne, desat))
        return false;
    text = desat;
    return true;
}

QString text(const QByteArray& bytes) {
    QString t = Win1252::decode(bytes);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QByteArray bytes(const QString& text) {
    QString t = text;
    if (!t.isEmpty() && !t.endsWith(u'\n'))
        t.append(u'\n');
    t.replace(u'\n', QStringLiteral("\r\n"));
    return Win1252::encode(t);
}

} // namespace FitxerHistorial
