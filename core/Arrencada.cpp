#include "core/Arrencada.h"

#include "core/ConfigGeneral.h"
#include "core/ConfigGrup.h"
#include "core/MigrarDades.h"
#include "core/ProgramFolder.h"
#include "core/Sessio.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Collects the places that block a start-up. Checked up front so that a folder we cannot use is
// left exactly as it was, instead of half set up.
class Survey {
public:
    explicit Survey(const QString& carpeta) : m_root(carpeta) {}

    // A folder the sequence creates when missing: its parent must then accept a new entry.
    // Returns true when it exists as a folder.
    bool carpeta(const QString& relative, const QString& parent) {
        const QFileInfo info(m_root.filePath(relative));
        if (info.exists() && !info.isDir())
            m_blocked << relative;
        else if (!info.exists())
            needWritable(parent);
        return info.isDir();
    }

    // A file the program writes later in the run (General.cfg, at close) or creates now.
    void file(const QString& relative, const QString& parent) {
        const QFileInfo info(m_root.filePath(relative));
        if (!info.exists())
            needWritable(parent);
        else if (!info.isFile() || !info.isWritable())
            m_blocked << relative;
    }

    void needWritable(const QString& relative) {
        if (m_blocked.contains(relative))
            return;
        const QFileInfo info(m_root.filePath(relative));
        if (!info.isDir() || !info.isWritable())
            m_blocked << relative;
    }

    QStringList blocked() const { return m_blocked; }

private:
    QDir m_root;
    QStringList m_blocked;
};

} // namespace

Arrencada::Arrencada(const QString& carpeta) : carpeta_(carpeta), lock_(carpeta) {}

QStringList Arrencada::unwritablePlaces(const QString& carpeta) {
    if (!QFileInfo(carpeta).isDir())
        return {QStringLiteral(".")};

    using namespace ProgramFolder;
    const QString root = QStringLiteral(".");
    Survey survey(carpeta);
    if (QFileInfo(QDir(carpeta).filePath(kDades)).exists()) {
        survey.needWritable(root);
        survey.needWritable(kDades);
    }
    if (survey.carpeta(kInf, root)) {
        survey.file(QStringLiteral("Inf/General.cfg"), kInf);
        for (const char* sub : {kNiv, kHst, kDat})
            survey.carpeta(sub, kInf);
    }
    survey.carpeta(kImatges, root);
    return survey.blocked();
}

StartupResult Arrencada::run(Sessio& sessio) {
    // A lock that another copy holds stops us, and so does one that no copy holds but that cannot
    // be replaced (the user has to remove it); when no lock can be made at all (an unusable
    // temporary folder) the program still serves its pupils.
    switch (lock_.acquire()) {
    case InstanceLock::HeldByAnother:
        return {StartupResult::SecondCopy, {}};
    case InstanceLock::Blocked:
        return {StartupResult::LockBlocked, {InstanceLock::lockFilePath(carpeta_)}};
    case InstanceLock::Acquired:
    case InstanceLock::Unavailable:
        break;
    }

    if (const QStringList blocked = unwritablePlaces(carpeta_); !blocked.isEmpty())
        return {StartupResult::NotWritable, blocked};

    QStringList notMoved;
    if (!MigrarDades(carpeta_, &notMoved))
        return {StartupResult::MigrationFailed, notMoved};

    bool ok = false;
    const ConfigGeneral general = LlegirConfigGeneral(carpeta_, &ok);
    if (!ok) {
        // The survey passed, yet something refused a write (a full disk, a race with another
        // program): report what is still missing.
        QStringList missing = unwritablePlaces(carpeta_);
        if (missing.isEmpty())
            missing << QStringLiteral(".");
        return {StartupResult::NotWritable, missing};
    }

    sessio.carpeta = carpeta_;
    sessio.general = general;
    sessio.grup = LlegirConfigGrup(carpeta_, general.GrupActual);
    return {StartupResult::Ok, {}};
}
