#include "core/MigrarDades.h"

#include "core/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

// Copies through QSaveFile so that an existing target is replaced only by a complete copy: a full
// disk or a target that cannot be replaced leaves the old target as it was.
bool copyOverwriting(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 got = source.read(buffer, sizeof buffer);
        if (got < 0) {
            target.cancelWriting();
            break;
        }
        if (got == 0)
            break;
        if (target.write(buffer, got) != got)
            break;
    }
    return target.commit();
}

} // namespace

QString MigrationTarget(const QString& name) {
    using namespace ProgramFolder;
    if (name == QLatin1String("Grups.cfg") || name == QLatin1String("General.cfg"))
        return path(kInf, name);
    if (name.endsWith(QLatin1String("cfg")))
        return path(kNiv, name.chopped(3) + QLatin1String("niv"));
    if (name.endsWith(QLatin1String("dat")))
        return path(kDat, name);
    return path(kInf, name);
}

bool MigrarDades(const QString& carpeta, QStringList* notMoved) {
    if (notMoved)
        notMoved->clear();
    QDir root(carpeta);
    if (!root.exists(ProgramFolder::kDades))
        return true;

    // Failures here show up as failed copies below.
    root.mkpath(ProgramFolder::kInf);
    root.mkpath(ProgramFolder::kNiv);
    root.mkpath(ProgramFolder::kDat);

    QDir dades(root.filePath(ProgramFolder::kDades));
    const QStringList files =
        dades.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    QStringList left;
    for (const QString& name : files) {
        const QString source = dades.filePath(name);
        if (!copyOverwriting(source, root.filePath(MigrationTarget(name))) ||
            !QFile::remove(source))
            left << ProgramFolder::path(ProgramFolder::kDades, name);
    }
    if (left.isEmpty() && !root.rmdir(ProgramFolder::kDades))
        left << QString::fromLatin1(ProgramFolder::kDades);

    if (notMoved)
        *notMoved = left;
    return left.isEmpty();
}
