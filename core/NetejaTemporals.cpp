#include "core/NetejaTemporals.h"

#include "core/FileLock.h"
#include "core/ProgramFolder.h"
#include "core/Registre.h"
#include "core/SafeName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>

#include <array>
#include <optional>

namespace {

// A rewrite lasts a moment; the margin is for the clocks of the classroom computers and of the
// file server, which stamps the files' times, as they may be minutes apart.
constexpr qint64 kEdatMinima = 5 * 60;

constexpr int kMarca = 7; // ".XXXXXX"

// The targets the program writes in one data folder: their whole names, or their endings.
struct Regla {
    const char* carpeta;
    bool nomSencer;
    std::array<const char*, 2> noms;
};
const Regla kRegles[] = {{ProgramFolder::kInf, true, {"General.cfg", "Grups.cfg"}},
                         {ProgramFolder::kDat, false, {".dat", nullptr}},
                         {ProgramFolder::kNiv, false, {".niv", ".ni2"}},
                         {ProgramFolder::kHst, false, {".rtf", nullptr}},
                         {ProgramFolder::kImatges, false, {"", nullptr}}};

bool esDesti(const Regla& regla, const QString& nom) {
    for (const char* n : regla.noms) {
        const QLatin1String nl(n);
        if (n && (regla.nomSencer ? nom == nl : nom.size() > nl.size() && nom.endsWith(nl)))
            return true;
    }
    return false;
}

// The target a temporary was written for: its name without the "." and six letters; empty for
// any other name.
QString desti(const QString& nom) {
    if (nom.size() <= kMarca || nom.at(nom.size() - kMarca) != u'.')
        return {};
    for (qsizetype i = nom.size() - kMarca + 1; i < nom.size(); ++i) {
        const char16_t c = nom.at(i).unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return {};
    }
    return nom.chopped(kMarca);
}

// The picture names the records of every group hold: a pupil's own picture is never taken for a
// temporary, whatever it is called.
QSet<QString> imatgesDelsAlumnes(const QString& carpeta) {
    QSet<QString> noms;
    const QDir dat(ProgramFolder::path(carpeta, ProgramFolder::kDat));
    for (const QString& f : dat.entryList({"*.dat"}, QDir::Files)) {
        QFile fitxer(dat.filePath(f));
        const QByteArray bytes = fitxer.open(QIODevice::ReadOnly) ? fitxer.readAll() : QByteArray();
        for (qsizetype p = 0; p + Registre::kLength <= bytes.size(); p += Registre::kLength)
            noms << SafeName::fileName(Registre::decode(bytes.mid(p, Registre::kLength)).Imatge);
    }
    return noms;
}

} // namespace

void NetejaTemporals(const QString& carpeta) {
    // Read only when a name could be a temporary: most starts find none, and the pupil files of
    // every group need not be read then.
    std::optional<QSet<QString>> imatges;
    const QDateTime ara = QDateTime::currentDateTimeUtc();
    for (const Regla& regla : kRegles) {
        const QDir dir(ProgramFolder::path(carpeta, regla.carpeta));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
            if (info.isSymLink() || !esDesti(regla, desti(info.fileName())) ||
                info.lastModified().secsTo(ara) < kEdatMinima)
                continue;
            if (!imatges)
                imatges = imatgesDelsAlumnes(carpeta);
            if (!imatges->contains(info.fileName()))
                QFile::remove(info.filePath());
        }
    }
    // A shared file's lock left by a writer that died: taken over and let go, which removes it. A
    // lock another copy holds now, here or on another computer, stays.
    const QDir inf(ProgramFolder::path(carpeta, ProgramFolder::kInf));
    for (const QString& nom : inf.entryList({"*.lock"}, QDir::Files | QDir::Hidden)) {
        QLockFile bloqueig(inf.filePath(nom));
        bloqueig.setStaleLockTime(FileLock::kStaleMs);
        if (bloqueig.tryLock(0))
            bloqueig.unlock();
    }
}
