#include "ImatgeAlumne.h"

#include "ProgramFolder.h"
#include "SafeName.h"
#include "TextUtil.h"
#include "Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ImatgeAlumne {

QString nomDesat(const QString& cami) {
    const QString nom = QFileInfo(cami).fileName().left(kAmpleNom);
    return SafeName::nomFitxer(Win1252::decode(Win1252::field(nom, kAmpleNom)));
}

QString ruta(const QString& folder, const QString& nom) {
    const QString net = TextUtil::trimSpaces(nom);
    if (net.isEmpty())
        return {};
    return ProgramFolder::path(folder,
                               QString(ProgramFolder::kImatges) + '/' + SafeName::nomFitxer(net));
}

QString copia(const QString& folder, const QString& cami) {
    const QString nom = nomDesat(cami);
    const QString desti = ruta(folder, nom);
    const QFileInfo origen(cami);
    if (!origen.isFile() || !QDir().mkpath(QFileInfo(desti).absolutePath()))
        return {};
    // A picture chosen from Imatges/ itself is already in place; writing over it would first
    // empty the very file being read.
    if (origen.canonicalFilePath() == QFileInfo(desti).canonicalFilePath())
        return nom;
    QFile in(cami);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QSaveFile out(desti);
    if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) != in.size() || !out.commit())
        return {};
    return nom;
}

} // namespace ImatgeAlumne
