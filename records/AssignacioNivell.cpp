#include "AssignacioNivell.h"

#include "FitxerNivells.h"
#include "JocsNivells.h"
#include "Rutes.h"
#include "Sessio.h"
#include "TextUtil.h"

AssignacioNivell::AssignacioNivell(Sessio& sessio) : sessio_(sessio) {
    const int grup = sessio_.general.GrupActual;
    llista_ = JocsNivells::llistaFitxers(sessio_.carpeta);
    seleccionat_ = int(llista_.indexOf(TextUtil::trimSpaces(sessio_.grup.NomNivell)));
    if (llista_.isEmpty()) {
        const QString nom = sessio_.nomGrup(grup);
        FitxerNivells::creaSiFalta(RutaNivell(sessio_.carpeta, nom));
        llista_.append(nom);
    }
    if (seleccionat_ < 0)
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
    if (accepta)
        sessio_.grup.NomNivell = triat();
    return DesarConfigGrup(sessio_.carpeta, sessio_.general.GrupActual, sessio_.grup);
}
