#pragma once

#include "core/ConfigGeneral.h"
#include "core/ConfigGrup.h"
#include "core/IdsText.h"
#include "core/Registre.h"
#include "core/StringTable.h"

#include <QString>

// The state every window shares for the whole run: the program folder, the one in-memory copy of
// General.cfg, the current group's record of Grups.cfg and the selected pupil.
struct Sessio {
    QString carpeta;
    ConfigGeneral general;
    // General.cfg as this copy read it at start or last stored it: what tells its own changes
    // from those another computer made to the shared file.
    ConfigGeneral generalLlegit;
    ConfigGrup grup;
    Registre registre;

    // `TextIdioma` in the current language.
    QString text(int id) const { return TextIdioma(id, general.Idioma); }
    // The name of group 1..16 in the current language.
    QString nomGrup(int grup) const { return text(IdText::grup(grup)); }
};
