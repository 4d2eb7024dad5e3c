#include "fitxes/EncarrecFitxes.h"

#include "core/IdsText.h"
#include "core/Rutes.h"
#include "core/TextUtil.h"
#include "fitxes/DisposicioFitxa.h"
#include "fitxes/GeneradorFitxa.h"
#include "levels/FitxerNivells.h"

#include <QFile>
#include <algorithm>

namespace EncarrecFitxes {

int nivellAlumne(const FilaAlumne& fila, TipusActivitat activitat, const ConfigGrup& grup) {
    const int a = numero(activitat);
    const int darrer = grup.nivells(a);
    const int desat = LlistaAlumnes::nivellDeText(fila.value(LlistaAlumnes::kColNivell1 + a - 1));
    return desat <= 0 ? darrer : std::min(desat, darrer);
}

Nivell llegeixNivell(const QString& carpeta, const ConfigGrup& grup, TipusActivitat activitat,
                     int nivell) {
    const QString nom = TextUtil::trimSpaces(grup.NomNivell);
    if (nom.isEmpty())
        return {{}, IdText::kGrupSenseNivell};
    const QString ruta = RutaNivell(carpeta, nom);
    if (!QFile::exists(ruta))
        return {{}, IdText::kNivellNoTrobat};
    const int a = numero(activitat);
    nivell = std::clamp(nivell, 1, kNivellsPerActivitat);
    // A set cut short or unreadable would give levels of zeros: a sheet with nothing to do.
    const std::optional<DadesNivell> cru =
        FitxerNivells::llegeixSencer(ruta, IndexNivell(a, nivell));
    if (!cru || cru->Fer <= 0)
        return {{}, IdText::kNivellIllegible};
    return {FitxerNivells::LlegeixNivell(carpeta, nom, a, nivell), 0};
}

int exercicisPerDefecte(TipusActivitat activitat, const DadesNivell& dades, bool ambResta) {
    return std::clamp(int(dades.Fer), 1,
                      std::max(1, DisposicioFitxa::maximExercicis(activitat, dades, ambResta)));
}

QList<PaginaFitxa> pagines(const Peticio& peticio) {
    QList<PaginaFitxa> totes;
    const bool ambResta = peticio.activitat == TipusActivitat::Dividir && peticio.ambResta;
    for (qsizetype k = 0; k < peticio.fulls.size(); ++k) {
        const Full& full = peticio.fulls.at(k);
        GeneradorFitxa::Peticio g;
        g.activitat = peticio.activitat;
        g.nivell = full.dades;
        g.exercicis = std::clamp(
            peticio.exercicis, 1,
            std::max(1, DisposicioFitxa::maximExercicis(peticio.activitat, full.dades, ambResta)));
        g.llavor = peticio.llavor + uint32_t(k);
        g.idioma = peticio.idioma;
        g.separador = peticio.separador;
        g.ambResta = ambResta;
        const QList<ExerciciFitxa> exercicis = GeneradorFitxa::genera(g);

        DisposicioFitxa::Capcalera c;
        c.alumne = full.alumne;
        c.grup = peticio.grup;
        c.activitat = peticio.nomActivitat;
        c.nivell = peticio.paraulaNivell + u' ' + QString::number(full.nivell);
        c.data = peticio.data;
        c.llavor = QString::number(g.llavor);
        c.titolSolucions = peticio.titolSolucions;
        c.pagina = peticio.pagina;
        totes << DisposicioFitxa::fitxa(c, exercicis, full.dades);
        if (peticio.solucions)
            totes << DisposicioFitxa::solucions(c, exercicis);
    }
    return totes;
}

} // namespace EncarrecFitxes
