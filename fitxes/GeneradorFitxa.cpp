#include "fitxes/GeneradorFitxa.h"

#include "board/ActivitatDividir.h"
#include "board/ActivitatMultiplicar.h"
#include "board/ActivitatSumRes.h"
#include "board/ActivitatTaules.h"
#include "board/FabricaActivitats.h"
#include "core/DigitGrouping.h"
#include "fitxes/ContextFitxa.h"
#include "numeration/ActivitatCardinals.h"
#include "numeration/ActivitatOrdenar.h"
#include "numeration/ActivitatRomans.h"

#include <memory>

namespace {

// The board writes a digit row as a blank before each digit, and a blank pair for an empty
// column; on paper one character stands for one square.
QString filaMultiplicacio(const QString& text, int columnaDreta) {
    QString fila;
    for (int i = 1; i < text.size(); i += 2)
        fila += text.at(i);
    return fila + QString(columnaDreta, u' ');
}

// Division rows are "d d d " on the board; on paper the digits stand in squares, shifted to the
// column of the dividend digit the row starts under.
QString filaDivisio(const QString& text, int columnaInici) {
    QString fila(qMax(0, columnaInici), u' ');
    for (int i = 0; i < text.size(); i += 2)
        fila += text.at(i);
    return fila;
}

ExerciciFitxa llegeix(TipusActivitat tipus, const Activitat& activitat, int separador) {
    ExerciciFitxa e;
    e.activitat = tipus;
    switch (tipus) {
    case TipusActivitat::Cardinals:
    case TipusActivitat::Ordinals:
    case TipusActivitat::Romans: {
        const auto& a = static_cast<const ActivitatLinia&>(activitat);
        e.pregunta = a.pregunta();
        e.solucio = a.solucio();
        if (tipus == TipusActivitat::Romans)
            e.romaDemanat = static_cast<const ActivitatRomans&>(activitat).romaDemanat();
        break;
    }
    case TipusActivitat::Taules: {
        const auto& a = static_cast<const ActivitatTaules&>(activitat);
        e.pregunta = QStringLiteral("%1 × %2").arg(a.factor()).arg(a.taula());
        e.solucio = a.solucio();
        break;
    }
    case TipusActivitat::Ordenacio: {
        const auto& a = static_cast<const ActivitatOrdenar&>(activitat);
        QStringList ordenats;
        for (const auto& p : a.paraules())
            e.nombres.append(p.caption);
        for (const qint64 n : a.relacio())
            ordenats.append(DigitGrouping::group(n, separador));
        // Two blanks part the numbers, since a blank may group the digits of one.
        e.solucio = ordenats.join(QStringLiteral("  "));
        break;
    }
    case TipusActivitat::Sumar:
    case TipusActivitat::Restar: {
        const auto& a = static_cast<const ActivitatSumRes&>(activitat);
        e.nombres = {a.operand1(), a.operand2()};
        e.solucio = QString::number(a.resultat());
        break;
    }
    case TipusActivitat::Multiplicar: {
        const auto& a = static_cast<const ActivitatMultiplicar&>(activitat);
        e.nombres = {QString::number(a.operand1()), QString::number(a.operand2())};
        e.solucio = QString::number(qint64(a.operand1()) * a.operand2());
        for (int fila = 1; fila <= a.files(); ++fila)
            e.files.append(filaMultiplicacio(a.resposta(fila), a.columnaDreta(fila)));
        // With a single partial row that row is the product: no sum is written.
        if (a.files() >= 2)
            e.files.append(filaMultiplicacio(a.resposta(ActivitatMultiplicar::kFilaProducte), 0));
        break;
    }
    case TipusActivitat::Dividir: {
        const auto& a = static_cast<const ActivitatDividir&>(activitat);
        const DivisioLlarga& d = a.divisio();
        e.nombres = {QString::number(d.dividend), QString::number(d.divisor)};
        e.solucio = d.quocient;
        e.ambResta = d.ambResta;
        for (const FilaDivisio& f : d.files) {
            // The product stands right-aligned over the difference it leaves.
            if (d.ambResta)
                e.files.append(filaDivisio(f.ddPar, f.columnaInici));
            e.files.append(filaDivisio(f.resPar, f.columnaInici));
        }
        break;
    }
    case TipusActivitat::Portada:
        break;
    }
    return e;
}

} // namespace

namespace GeneradorFitxa {

QList<ExerciciFitxa> genera(const Peticio& peticio) {
    ContextFitxa context(peticio.activitat, peticio.nivell, peticio.llavor, peticio.idioma,
                         peticio.separador, peticio.ambResta);
    const std::unique_ptr<Activitat> activitat =
        FabricaActivitats::crea(numero(peticio.activitat), context);
    QList<ExerciciFitxa> exercicis;
    if (!activitat)
        return exercicis;
    for (int i = 0; i < peticio.exercicis; ++i) {
        if (i == 0)
            activitat->preparar();
        else
            activitat->novaOperacio();
        exercicis.append(llegeix(peticio.activitat, *activitat, peticio.separador));
    }
    return exercicis;
}

} // namespace GeneradorFitxa
