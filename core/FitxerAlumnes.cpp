#include "core/FitxerAlumnes.h"

#include "core/AtomicFile.h"
#include "core/FileLock.h"
#include "core/PrenCanvi.h"
#include "core/RecordFile.h"
#include "core/Rutes.h"
#include "core/TextUtil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

bool ensureFolder(const QString& path) {
    return QDir().mkpath(QFileInfo(path).absolutePath());
}

// The whole file; a missing one is empty. False when it exists but cannot be read.
bool llegeixTot(const QString& ruta, QByteArray& bytes) {
    bytes.clear();
    QFile fitxer(ruta);
    if (!fitxer.exists())
        return true;
    if (!fitxer.open(QIODevice::ReadOnly))
        return false;
    bytes = fitxer.readAll();
    return true;
}

Registre registreA(const QByteArray& bytes, qsizetype p) {
    return Registre::decode(bytes.mid((p - 1) * Registre::kLength, Registre::kLength));
}

bool mateixNom(const Registre& r, const QString& nom) {
    return r.Numero != 0 && TextUtil::trimSpaces(r.Nom) == TextUtil::trimSpaces(nom);
}

// Where the pupil `r`, last seen at `posicio`, is now: there when the name still is, else the
// first record of that name (another computer's rewrite moves records up), else, renamed on
// another computer, the record with its number and picture (there first), else 0.
qsizetype trobaAlumne(const QByteArray& bytes, qsizetype posicio, const Registre& r,
                      const QList<qsizetype>& excepte = {}) {
    const qsizetype n = bytes.size() / Registre::kLength;
    const bool alLloc = posicio >= 1 && posicio <= n && !excepte.contains(posicio);
    if (alLloc && mateixNom(registreA(bytes, posicio), r.Nom))
        return posicio;
    for (qsizetype p = 1; p <= n; ++p)
        if (!excepte.contains(p) && mateixNom(registreA(bytes, p), r.Nom))
            return p;
    const auto mateixNumero = [&](qsizetype p) {
        const Registre a = registreA(bytes, p);
        return !excepte.contains(p) && r.Numero != 0 && a.Numero == r.Numero &&
               a.Imatge == r.Imatge;
    };
    if (alLloc && mateixNumero(posicio))
        return posicio;
    for (qsizetype p = 1; p <= n; ++p)
        if (mateixNumero(p))
            return p;
    return 0;
}

// The first empty slot, or one past the last record.
qsizetype posicioLliure(const QByteArray& bytes) {
    const qsizetype n = bytes.size() / Registre::kLength;
    for (qsizetype p = 1; p <= n; ++p)
        if (registreA(bytes, p).Numero == 0)
            return p;
    return n + 1;
}

void posaRegistre(QByteArray& bytes, qsizetype p, const Registre& r) {
    // A record cut short at the end is overwritten whole, as a write in place does.
    const qsizetype fi = p * Registre::kLength;
    if (bytes.size() < fi)
        bytes.append(QByteArray(fi - bytes.size(), '\0'));
    bytes.replace((p - 1) * Registre::kLength, Registre::kLength, r.encode());
}

// Replaces the file at `ruta` with the records of `files` at positions 1..n (none removes it) and
// sets each row's column 11 to its new position. The file's lock is the caller's.
bool substitueix(const QString& ruta, QList<FilaAlumne>& files) {
    if (files.isEmpty())
        return !QFileInfo::exists(ruta) || QFile::remove(ruta);
    QByteArray bytes;
    for (const FilaAlumne& f : files)
        bytes += LlistaAlumnes::registre(f).encode();
    if (!ensureFolder(ruta) || !AtomicFile::write(ruta, bytes))
        return false;
    for (int i = 0; i < files.size(); ++i) {
        while (files[i].size() < LlistaAlumnes::kColumnes)
            files[i] << QString();
        files[i][LlistaAlumnes::kColPosicio] = QString::number(i + 1);
    }
    return true;
}

// Levels rise towards 0, the finished activity.
int mesAlt(int a, int b) {
    if (a == 0 || b == 0)
        return 0;
    return std::max(a, b);
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

bool afegeix(const QString& carpeta, int grup, int idioma, const QList<FilaAlumne>& nous) {
    const QString ruta = RutaRegistres(carpeta, grup, idioma);
    FileLock bloqueig(RutaBloqueig(carpeta, ruta));
    QByteArray bytes;
    if (!bloqueig.lock() || !llegeixTot(ruta, bytes))
        return false;
    qsizetype registres = bytes.size() / Registre::kLength;
    for (const FilaAlumne& f : nous) {
        qsizetype p = LlistaAlumnes::posicio(f);
        if (p < 1 || p > registres + 1)
            return false;
        // The position was free in the list the caller read; a pupil another computer has put
        // there since keeps it.
        if (p <= registres && registreA(bytes, p).Numero != 0)
            p = posicioLliure(bytes);
        posaRegistre(bytes, p, LlistaAlumnes::registre(f));
        registres = std::max(registres, p);
    }
    if (!ensureFolder(ruta))
        return false;
    return AtomicFile::write(ruta, bytes);
}

bool desaNivell(const QString& carpeta, int grup, int idioma, int posicio, int activitat,
                int nivell, Registre& r) {
    if (activitat < 1 || activitat > kActivitats)
        return false;
    const QString ruta = RutaRegistres(carpeta, grup, idioma);
    FileLock bloqueig(RutaBloqueig(carpeta, ruta));
    QByteArray bytes;
    if (!bloqueig.lock() || !llegeixTot(ruta, bytes))
        return false;
    const qsizetype p = trobaAlumne(bytes, posicio, r);
    if (p == 0)
        return false;
    Registre disc = registreA(bytes, p);
    uint8_t& byte = disc.Nivell[activitat - 1];
    // A level another computer stored meanwhile (the pupil at two computers at once) is kept
    // when it is the higher.
    byte = uint8_t(byte == r.Nivell[activitat - 1] ? nivell : mesAlt(byte, nivell));
    if (!RecordFile::write(ruta, Registre::kLength, int(p), disc.encode()))
        return false;
    r = disc;
    return true;
}

int escriuCanvis(const QString& carpeta, int grup, int idioma, int posicio, const Registre& abans,
                 Registre& despres, bool* conflicte) {
    const QString ruta = RutaRegistres(carpeta, grup, idioma);
    FileLock bloqueig(RutaBloqueig(carpeta, ruta));
    QByteArray bytes;
    if (!bloqueig.lock() || !llegeixTot(ruta, bytes))
        return 0;
    qsizetype p = trobaAlumne(bytes, posicio, abans);
    // Deleted on another computer meanwhile: the teacher's edit brings the pupil back.
    Registre disc = abans;
    if (p == 0)
        p = posicioLliure(bytes);
    else
        disc = registreA(bytes, p);
    bool xoc = false;
    prenCanvi(disc.Numero, abans.Numero, despres.Numero);
    prenCanvi(disc.Nom, abans.Nom, despres.Nom);
    prenCanvi(disc.Imatge, abans.Imatge, despres.Imatge);
    for (int a = 0; a < kActivitats; ++a)
        xoc |= prenCanvi(disc.Nivell[a], abans.Nivell[a], despres.Nivell[a]);
    if (!ensureFolder(ruta) || !RecordFile::write(ruta, Registre::kLength, int(p), disc.encode()))
        return 0;
    despres = disc;
    if (conflicte)
        *conflicte = xoc;
    return int(p);
}

bool reescriuSenseEsborrats(const QString& carpeta, int grup, int idioma,
                            const QList<FilaAlumne>& esborrats, QList<FilaAlumne>& files) {
    const QString ruta = RutaRegistres(carpeta, grup, idioma);
    FileLock bloqueig(RutaBloqueig(carpeta, ruta));
    QByteArray bytes;
    if (!bloqueig.lock() || !llegeixTot(ruta, bytes))
        return false;
    QList<qsizetype> fora;
    for (const FilaAlumne& f : esborrats)
        if (const qsizetype p =
                trobaAlumne(bytes, LlistaAlumnes::posicio(f), LlistaAlumnes::registre(f), fora))
            fora << p;
    // Every other record stays as the file holds it now: a level passed or a pupil added on
    // another computer since the list was read is kept.
    QList<FilaAlumne> queden;
    for (qsizetype p = 1; p <= bytes.size() / Registre::kLength; ++p)
        if (const Registre r = registreA(bytes, p); r.Numero != 0 && !fora.contains(p))
            queden << LlistaAlumnes::fila(r, int(p));
    if (!substitueix(ruta, queden))
        return false;
    files = queden;
    return true;
}

} // namespace FitxerAlumnes
