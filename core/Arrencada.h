#pragma once

#include "core/InstanceLock.h"

#include <QString>
#include <QStringList>

struct Sessio;

// What the start-up sequence came to. Anything but Ok means the program should not go on: the
// caller tells the user (except for a second copy, which just closes) and ends.
struct StartupResult {
    enum Status {
        Ok,
        SecondCopy,      // another copy runs on this folder; nothing was read or written
        NotWritable,     // the program folder cannot hold the data folders or General.cfg
        MigrationFailed, // some legacy files could not be moved; they are all still in Dades/
        LockBlocked,     // a lock no running copy holds cannot be replaced; nothing was written
    };
    Status status = Ok;
    // For NotWritable and MigrationFailed: the paths concerned, relative to the program folder
    // ("." for the folder itself). For LockBlocked: the lock file's absolute path.
    QStringList paths;
};

// The start-up sequence of the program, before any window shows: keep other copies out of the
// program folder, move a legacy Dades/ folder, read General.cfg (creating the data folders of a
// first start) and read the current group's record of Grups.cfg. The folder stays guarded for as
// long as this object lives, so it lives for the whole run.
class Arrencada {
public:
    explicit Arrencada(const QString& carpeta);

    // Runs the sequence once; on Ok fills `sessio` (folder, General.cfg, current group's record).
    // On any other result `sessio` is left as it was.
    StartupResult run(Sessio& sessio);

    // The places a start-up would have to create or write but cannot, relative to `carpeta`.
    // Empty when the start-up can write everything it needs.
    static QStringList unwritablePlaces(const QString& carpeta);

private:
    QString carpeta_;
    InstanceLock lock_;
};
