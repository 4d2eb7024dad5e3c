#include "core/ProgramFolder.h"

#include <QCoreApplication>

namespace ProgramFolder {

QString carpetaPrograma() {
    return QCoreApplication::applicationDirPath();
}

QString path(const QString& folder, const QString& relative) {
    // Joined as text: QDir::filePath takes a name that starts with ':' (a file anyone may leave
    // in Dades/) for a Qt resource and drops the folder.
    if (folder.isEmpty())
        return relative;
    return folder.endsWith(u'/') ? folder + relative : folder + u'/' + relative;
}

QString generalCfg(const QString& folder) {
    return path(folder, "Inf/General.cfg");
}

QString grupsCfg(const QString& folder) {
    return path(folder, "Inf/Grups.cfg");
}

} // namespace ProgramFolder
