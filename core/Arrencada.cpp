#include "core/Arrencada.h"

#include "core/ConfigGeneral.h"
#include "core/ConfigGrup.h"
#include "core/MigrarDades.h"
#include "core/NetejaTemporals.h"
#include "core/ProgramFolder.h"
#include "core/Sessio.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Collects the places that block a start-up. Checked up front so that a folder we cannot use is
// left exactly as it was, instead of half set up.
class Inspeccio {
public:
    explicit Inspeccio(const QString& carpeta) : arrel_(carpeta) {}

    // A folder the sequence creates when missing: its parent `pare` must then accept a new entry.
    // Returns true when it exists as a folder.
    bool carpeta(const QString& relativa, const QString& pare) {
        const QFileInfo info(arrel_.filePath(relativa));
        if (info.exists() && !info.isDir())
            bloquejats_ << relativa;
        else if (!info.exists())
            calEscriure(pare);
        return info.isDir();
    }

    // A file the program writes later in the run (General.cfg, at close) or creates now.
    void fitxer(const QString& relativa, const QString& pare) {
        const QFileInfo info(arrel_.filePath(relativa));
        if (!info.exists())
            calEscriure(pare);
        else if (!info.isFile() || !info.isWritable())
            bloquejats_ << relativa;
    }

    // The folder `relativa` must take new entries.
    void calEscriure(const QString& relativa) {
        if (bloquejats_.contains(relativa))
            return;
        const QFileInfo info(arrel_.filePath(relativa));
        if (!info.isDir() || !info.isWritable())
            bloquejats_ << relativa;
    }

    QStringList bloquejats() const { return bloquejats_; }

private:
    QDir arrel_;
    QStringList bloquejats_;
};

} // namespace

Arrencada::Arrencada(const QString& carpeta) : carpeta_(carpeta), bloqueig_(carpeta) {}

QStringList Arrencada::llocsNoEscrivibles(const QString& carpeta) {
    if (!QFileInfo(carpeta).isDir())
        return {QStringLiteral(".")};

    using namespace ProgramFolder;
    const QString arrel = QStringLiteral(".");
    Inspeccio inspeccio(carpeta);
    if (QFileInfo(QDir(carpeta).filePath(kDades)).exists()) {
        inspeccio.calEscriure(arrel);
        inspeccio.calEscriure(kDades);
    }
    if (inspeccio.carpeta(kInf, arrel)) {
        inspeccio.fitxer(QStringLiteral("Inf/General.cfg"), kInf);
        for (const char* sub : {kNiv, kHst, kDat})
            inspeccio.carpeta(sub, kInf);
    }
    inspeccio.carpeta(kImatges, arrel);
    return inspeccio.bloquejats();
}

ResultatArrencada Arrencada::executa(Sessio& sessio) {
    // A lock that another copy holds stops us, and so does one that no copy holds but that cannot
    // be replaced (the user has to remove it); when no lock can be made at all (an unusable
    // temporary folder) the program still serves its pupils.
    switch (bloqueig_.acquire()) {
    case InstanceLock::Result::HeldByAnother:
        return {EstatArrencada::SegonaCopia, {}};
    case InstanceLock::Result::Blocked:
        return {EstatArrencada::BloqueigFix, {InstanceLock::lockFilePath(carpeta_)}};
    case InstanceLock::Result::Acquired:
    case InstanceLock::Result::Unavailable:
        break;
    }

    if (const QStringList bloquejats = llocsNoEscrivibles(carpeta_); !bloquejats.isEmpty())
        return {EstatArrencada::NoEscrivible, bloquejats};

    QStringList noMoguts;
    if (!MigrarDades(carpeta_, &noMoguts))
        return {EstatArrencada::DadesNoMogudes, noMoguts};

    bool llegida = false;
    const ConfigGeneral general = LlegirConfigGeneral(carpeta_, &llegida);
    if (!llegida) {
        // The inspection passed, yet something refused a write (a full disk, a race with another
        // program): report what is still missing.
        QStringList falten = llocsNoEscrivibles(carpeta_);
        if (falten.isEmpty())
            falten << QStringLiteral(".");
        return {EstatArrencada::NoEscrivible, falten};
    }

    // Our lock keeps other copies on this computer out, not those of other computers sharing the
    // folder: NetejaTemporals leaves what they may be writing now.
    NetejaTemporals(carpeta_);

    sessio.carpeta = carpeta_;
    sessio.general = general;
    sessio.generalLlegit = general;
    sessio.grup = LlegirConfigGrup(carpeta_, general.GrupActual);
    return {EstatArrencada::Correcta, {}};
}
