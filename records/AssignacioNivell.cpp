#include "records/AssignacioNivell.h"

#include "core/Rutes.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "levels/FitxerNivells.h"
#include "levels/JocsNivells.h"

AssignacioNivell::AssignacioNivell(Sessio& sessio) : sessio_(sessio), llegit_(sessio.grup) {
    const int grup = sessio_.general.GrupActual;
    llista_ = JocsNivells::llistaFitxers(sessio_.carpeta);
    seleccionat_ = int(llista_.indexOf(TextUtil::trimSpaces(sessio_.grup.NomNivell)));
    if (llista_.isEmpty()) {
        const QString nom = sessio_.nomGrup(grup);
        // A set that could not be made is not offered: choosing it would name a missing file.
        if (FitxerNivells::creaSiFalta(RutaNivell(sessio_.carpeta, nom)))
            llista_.append(nom);
        else
            jocNoCreat_ = true;
    }
    if (seleccionat_ < 0 && !llista_.isEmpty())
        seleccionat_ = 0;
    if (TextUtil::trimSpaces(sessio_.grup.NomNivell).isEmpty())
        sessio_.grup.NomNivell = sessio_.nomGrup(grup);
    actual_ = TextUtil::trimSpaces(sessio_.grup.NomNivell);
}

void AssignacioNivell::selecciona(int index) {
    if (index >= 0 && index < llista_.size())
        seleccionat_ = index;
}

bool AssignacioNivell::tanca(bool accepta) {
    if (accepta && seleccionat_ >= 0)
        sessio_.grup.NomNivell = triat();
    return DesarCanvisGrup(sessio_.carpeta, sessio_.general.GrupActual, llegit_, sessio_.grup);
}
