#include "core/MigrarDades.h"

#include "core/AtomicFile.h"
#include "core/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Copies through QSaveFile so that an existing target is replaced only by a complete copy: a full
// disk or a target that cannot be replaced leaves the old target as it was.
bool copiaSobreescrivint(const QString& origen, const QString& desti) {
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly))
        return false;
    QSaveFile sortida(desti);
    if (!AtomicFile::open(sortida))
        return false;
    char bloc[64 * 1024];
    for (;;) {
        const qint64 llegits = entrada.read(bloc, sizeof bloc);
        if (llegits < 0) {
            sortida.cancelWriting();
            break;
        }
        if (llegits == 0)
            break;
        if (sortida.write(bloc, llegits) != llegits)
            break;
    }
    return AtomicFile::commit(sortida);
}

// The path, relative to the program folder, that legacy file `nom` moves to.
QString desti(const QString& nom) {
    using namespace ProgramFolder;
    if (nom == QLatin1String("Grups.cfg") || nom == QLatin1String("General.cfg"))
        return path(kInf, nom);
    if (nom.endsWith(QLatin1String("cfg")))
        return path(kNiv, nom.chopped(3) + QLatin1String("niv"));
    if (nom.endsWith(QLatin1String("dat")))
        return path(kDat, nom);
    return path(kInf, nom);
}

} // namespace

bool MigrarDades(const QString& carpeta, QStringList* noMoguts) {
    if (noMoguts)
        noMoguts->clear();
    QDir arrel(carpeta);
    if (!arrel.exists(ProgramFolder::kDades))
        return true;

    // Failures here show up as failed copies below.
    arrel.mkpath(ProgramFolder::kInf);
    arrel.mkpath(ProgramFolder::kNiv);
    arrel.mkpath(ProgramFolder::kDat);

    QDir dades(arrel.filePath(ProgramFolder::kDades));
    const QStringList fitxers =
        dades.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    QStringList restants;
    for (const QString& nom : fitxers) {
        const QString origen = ProgramFolder::path(dades.path(), nom);
        if (!copiaSobreescrivint(origen, ProgramFolder::path(carpeta, desti(nom))) ||
            !QFile::remove(origen))
            restants << ProgramFolder::path(ProgramFolder::kDades, nom);
    }
    if (restants.isEmpty() && !arrel.rmdir(ProgramFolder::kDades))
        restants << QString::fromLatin1(ProgramFolder::kDades);

    if (noMoguts)
        *noMoguts = restants;
    return restants.isEmpty();
}
