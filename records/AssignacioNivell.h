#pragma once

#include "core/ConfigGrup.h"

#include <QString>
#include <QStringList>

struct Sessio;

// What the window `Assignar` does: lists the level sets of Inf/Niv, shows the one assigned to the
// current group and stores the teacher's choice as the group's `NomNivell` in Grups.cfg. Works on
// the session's group record, which the front page has read for `GrupActual`.
class AssignacioNivell {
public:
    // Opening: the list of sets, the group's set selected (else the first). When the folder holds
    // no set at all, one named after the group is created from the defaults and listed (when it
    // cannot be created the list stays empty and jocNoCreat() says so). A group without a set
    // takes its own name as the set's name, in memory only.
    explicit AssignacioNivell(Sessio& sessio);

    bool jocNoCreat() const { return jocNoCreat_; }

    const QStringList& llista() const { return llista_; }
    int seleccionat() const { return seleccionat_; }
    // `Actual`: the set assigned to the group when the window opened.
    const QString& actual() const { return actual_; }
    // `Triat`: the text of the selected entry.
    QString triat() const { return llista_.value(seleccionat_); }

    void selecciona(int index);

    // Either button: `Botó(1)` (accepta) makes the chosen set the group's (with nothing listed,
    // the group keeps its set); both then write the group's record. False when Grups.cfg could
    // not be written.
    bool tanca(bool accepta);

private:
    Sessio& sessio_;
    // The group's record as the window found it: what tells its change from another computer's.
    ConfigGrup llegit_;
    QStringList llista_;
    int seleccionat_ = -1;
    QString actual_;
    bool jocNoCreat_ = false;
};
