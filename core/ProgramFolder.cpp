#include "core/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {

QString carpetaPrograma() {
    return QCoreApplication::applicationDirPath();
}

QString path(const QString& folder, const QString& relative) {
    return QDir(folder).filePath(relative);
}

QString generalCfg(const QString& folder) {
    return path(folder, "Inf/General.cfg");
}

QString grupsCfg(const QString& folder) {
    return path(folder, "Inf/Grups.cfg");
}

} // namespace ProgramFolder
