// The legacy Dades/ folder moved into the current layout. The input holds several files: parts
// separated by "\n--\n", each a file name on its first line and the file's bytes after it.

#include "core/MigrarDades.h"
#include "fuzz/CarpetaFuzz.h"

#include <QDir>
#include <QFile>

#include <map>

namespace {

const QByteArray kSeparador = "\n--\n";

// Where the legacy file `nom` belongs, relative to the program folder.
QString desti(const QString& nom) {
    if (nom == u"Grups.cfg" || nom == u"General.cfg")
        return "Inf/" + nom;
    if (nom.endsWith(u"cfg"))
        return "Inf/Niv/" + nom.chopped(3) + "niv";
    if (nom.endsWith(u"dat"))
        return "Inf/Dat/" + nom;
    return "Inf/" + nom;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    std::map<QString, QByteArray> fitxers;
    for (qsizetype i = 0; i <= bytes.size();) {
        qsizetype fi = bytes.indexOf(kSeparador, i);
        if (fi < 0)
            fi = bytes.size();
        const QByteArray part = bytes.mid(i, fi - i);
        i = fi + kSeparador.size();
        const qsizetype salt = part.indexOf('\n');
        QByteArray nom = salt < 0 ? part : part.left(salt);
        nom.replace('/', '_').replace('\0', '_');
        const QString n = QFile::decodeName(nom);
        if (n.isEmpty() || n == u"." || n == u".." || QFile::encodeName(n).size() > 250)
            continue;
        fitxers[n] = salt < 0 ? QByteArray() : part.mid(salt + 1);
    }

    QDir arrel(CarpetaFuzz::carpeta());
    QDir(arrel.filePath("Inf")).removeRecursively();
    QDir(arrel.filePath("Dades")).removeRecursively();
    arrel.mkpath("Dades");
    for (const auto& [nom, contingut] : fitxers)
        CarpetaFuzz::escriu("Dades/" + nom, contingut);

    QStringList noMoguts;
    const bool fet = MigrarDades(arrel.path(), &noMoguts);
    COMPROVA(fet == noMoguts.isEmpty());
    COMPROVA(fet != arrel.exists("Dades"));
    // Every file is either in its new place or still in Dades/, whole.
    for (const auto& [nom, contingut] : fitxers) {
        const QString lloc = noMoguts.contains("Dades/" + nom) ? "Dades/" + nom : desti(nom);
        COMPROVA(CarpetaFuzz::llegeix(arrel.filePath(lloc)) == contingut);
        COMPROVA(QFile::exists(arrel.filePath(lloc)));
    }
    return 0;
}
