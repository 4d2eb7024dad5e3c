#include "records/ImatgeAlumne.h"

#include "core/AtomicFile.h"
#include "core/ProgramFolder.h"
#include "core/SafeName.h"
#include "core/TextUtil.h"
#include "core/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// How many other names a picture may take before the copy gives up.
constexpr int kVariants = 999;

// Name `nom` marked with "~n" before its extension, its stem cut so the whole still fits the
// record's field; a name whose extension leaves no room is cut and marked at its end.
QString variant(const QString& nom, int n) {
    const QString marca = QStringLiteral("~%1").arg(n);
    const qsizetype punt = nom.lastIndexOf(u'.');
    QString ext = punt > 0 ? nom.mid(punt) : QString();
    QString arrel = punt > 0 ? nom.left(punt) : nom;
    if (ImatgeAlumne::kAmpleNom - marca.size() - ext.size() < 1) {
        arrel = nom;
        ext.clear();
    }
    return arrel.left(ImatgeAlumne::kAmpleNom - marca.size() - ext.size()) + marca + ext;
}

QByteArray contingut(const QString& cami) {
    QFile f(cami);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

namespace ImatgeAlumne {

QString nomDesat(const QString& cami) {
    const QString nom = QFileInfo(cami).fileName().left(kAmpleNom);
    return SafeName::fileName(Win1252::decode(Win1252::field(nom, kAmpleNom)));
}

QString ruta(const QString& carpeta, const QString& nom) {
    const QString net = TextUtil::trimSpaces(nom);
    if (net.isEmpty())
        return {};
    return ProgramFolder::path(carpeta,
                               QString(ProgramFolder::kImatges) + '/' + SafeName::fileName(net));
}

QString copia(const QString& carpeta, const QString& cami) {
    const QString nom = nomDesat(cami);
    const QFileInfo origen(cami);
    if (!origen.isFile() || !QDir().mkpath(QFileInfo(ruta(carpeta, nom)).absolutePath()))
        return {};
    QFile in(cami);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = in.readAll();
    if (bytes.size() != in.size())
        return {};
    for (int n = 0; n <= kVariants; ++n) {
        const QString candidat = n == 0 ? nom : variant(nom, n);
        const QString desti = ruta(carpeta, candidat);
        const QFileInfo info(desti);
        if (info.exists()) {
            // The same picture chosen again (or chosen from Imatges/ itself) keeps its copy;
            // anything else there belongs to another pupil.
            if (info.isFile() && contingut(desti) == bytes)
                return candidat;
            continue;
        }
        if (!AtomicFile::write(desti, bytes))
            return {};
        return candidat;
    }
    return {};
}

} // namespace ImatgeAlumne
