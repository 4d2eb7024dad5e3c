#pragma once

#include "core/InstanceLock.h"

#include <QString>
#include <QStringList>

struct Sessio;

// What the start-up sequence came to. Anything but Correcta means the program should not go on:
// the caller tells the user (except for a second copy, which just closes) and ends.
enum class EstatArrencada {
    Correcta,
    SegonaCopia,    // another copy runs on this folder; nothing was read or written
    NoEscrivible,   // the program folder cannot hold the data folders or General.cfg
    DadesNoMogudes, // some legacy files could not be moved; they are all still in Dades/
    BloqueigFix,    // a lock no running copy holds cannot be replaced; nothing was written
};

struct ResultatArrencada {
    EstatArrencada estat = EstatArrencada::Correcta;
    // For NoEscrivible and DadesNoMogudes: the paths concerned, relative to the program folder
    // ("." for the folder itself). For BloqueigFix: the lock file's absolute path.
    QStringList llocs;
};

// The start-up sequence of the program, before any window shows: keep other copies out of the
// program folder, move a legacy Dades/ folder, read General.cfg (creating the data folders of a
// first start), remove the temporaries of rewrites a crash cut short and read the current
// group's record of Grups.cfg. The folder stays guarded for as long as this object lives, so it
// lives for the whole run.
class Arrencada {
public:
    explicit Arrencada(const QString& carpeta);

    // Runs the sequence once; when Correcta fills `sessio` (folder, General.cfg, current group's
    // record). On any other result `sessio` is left as it was.
    ResultatArrencada executa(Sessio& sessio);

    // The places a start-up would have to create or write but cannot, relative to `carpeta`.
    // Empty when the start-up can write everything it needs.
    static QStringList llocsNoEscrivibles(const QString& carpeta);

private:
    QString carpeta_;
    InstanceLock bloqueig_;
};
