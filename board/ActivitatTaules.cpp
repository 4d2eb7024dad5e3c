#include "board/ActivitatTaules.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

ActivitatTaules::ActivitatTaules(ContextActivitat& ctx, QObject* parent)
    : ActivitatLinia(ctx, parent) {}

void ActivitatTaules::preparar() {
    genera();
}

void ActivitatTaules::novaOperacio() {
    genera();
}

bool ActivitatTaules::accepta(QChar c) const {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void ActivitatTaules::genera() {
    // The editor's limits (and Última never below Primera) keep the draw inside the tables 1..9
    // whatever a damaged level holds.
    DadesNivell d;
    d.Parametre1 = ctx_.parametre1();
    d.Parametre2 = ctx_.parametre2();
    d = ajustaAlsRangs(numero(TipusActivitat::Taules), d);
    const int primera = d.Parametre1;
    const int ultima = d.Parametre2;

    Atzar& atzar = ctx_.atzar();
    a_ = atzar.entre(0, 9);
    b_ = atzar.entre(primera, ultima);
    nouExercici(QStringLiteral("%1 x %2").arg(a_).arg(b_), QString::number(a_ * b_));
    emit canviat();
}
