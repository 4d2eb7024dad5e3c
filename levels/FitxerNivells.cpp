#include "levels/FitxerNivells.h"

#include "core/AtomicFile.h"
#include "core/RecordFile.h"
#include "core/Rutes.h"
#include "levels/NivellsPerDefecte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace FitxerNivells {

namespace {

bool registreValid(int k) {
    return k >= 1 && k <= kRegistresJoc;
}

} // namespace

DadesNivell llegeix(const QString& ruta, int k) {
    if (!registreValid(k))
        return {};
    return DadesNivell::decode(RecordFile::read(ruta, DadesNivell::kLength, k));
}

std::optional<DadesNivell> llegeixSencer(const QString& ruta, int k) {
    QFile fitxer(ruta);
    if (!registreValid(k) || !fitxer.open(QIODevice::ReadOnly) ||
        !fitxer.seek(qint64(k - 1) * DadesNivell::kLength))
        return std::nullopt;
    const QByteArray bytes = fitxer.read(DadesNivell::kLength);
    if (bytes.size() != DadesNivell::kLength)
        return std::nullopt;
    return DadesNivell::decode(bytes);
}

bool escriu(const QString& ruta, int k, const DadesNivell& d) {
    if (!registreValid(k) || !creaSiFalta(ruta))
        return false;
    return RecordFile::write(ruta, DadesNivell::kLength, k, d.encode());
}

bool creaSiFalta(const QString& ruta) {
    const QFileInfo info(ruta);
    if (info.exists())
        return true;
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile fitxer(ruta);
    if (!AtomicFile::open(fitxer))
        return false;
    if (!EscriuNivellsPerDefecte(fitxer)) {
        fitxer.cancelWriting();
        return false;
    }
    return AtomicFile::commit(fitxer);
}

DadesNivell LlegeixNivell(const QString& carpeta, const QString& nomNivell, int activitat,
                          int nivell) {
    const QString ruta = RutaNivell(carpeta, nomNivell);
    creaSiFalta(ruta);
    const int a = std::clamp(activitat, 1, kActivitats);
    const int n = std::clamp(nivell, 1, kNivellsPerActivitat);
    return ajustaAlsRangs(a, llegeix(ruta, IndexNivell(a, n)));
}

} // namespace FitxerNivells
