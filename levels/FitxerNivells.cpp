#include "levels/FitxerNivells.h"

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

bool recordInRange(int k) {
    return k >= 1 && k <= kRegistresJoc;
}

} // namespace

DadesNivell llegeix(const QString& path, int k) {
    if (!recordInRange(k))
        return {};
    return DadesNivell::decode(RecordFile::read(path, DadesNivell::kLength, k));
}

std::optional<DadesNivell> llegeixSencer(const QString& path, int k) {
    QFile file(path);
    if (!recordInRange(k) || !file.open(QIODevice::ReadOnly) ||
        !file.seek(qint64(k - 1) * DadesNivell::kLength))
        return std::nullopt;
    const QByteArray bytes = file.read(DadesNivell::kLength);
    if (bytes.size() != DadesNivell::kLength)
        return std::nullopt;
    return DadesNivell::decode(bytes);
}

bool escriu(const QString& path, int k, const DadesNivell& d) {
    if (!recordInRange(k) || !creaSiFalta(path))
        return false;
    return RecordFile::write(path, DadesNivell::kLength, k, d.encode());
}

bool creaSiFalta(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return true;
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!EscriuNivellsPerDefecte(file)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

DadesNivell LlegeixNivell(const QString& carpeta, const QString& nomNivell, int activitat,
                          int nivell) {
    const QString path = RutaNivell(carpeta, nomNivell);
    creaSiFalta(path);
    const int a = std::clamp(activitat, 1, kActivitats);
    const int n = std::clamp(nivell, 1, kNivellsPerActivitat);
    return clampToRanges(a, llegeix(path, IndexNivell(a, n)));
}

} // namespace FitxerNivells
