#include "ActivitatTaules.h"

#include "Atzar.h"
#include "ContextActivitat.h"
#include "DadesNivell.h"

ActivitatTaules::ActivitatTaules(ContextActivitat& ctx, QObject* parent) : Activitat(ctx, parent) {}

void ActivitatTaules::preparar() {
    genera();
}

void ActivitatTaules::novaOperacio() {
    genera();
}

void ActivitatTaules::caracter(QChar c) {
    if (completa_ || !accepta(c))
        return;
    switch (linia_.caracter(c)) {
    case LiniaResposta::Completa:
        completa_ = true;
        emit canviat();
        ctx_.RespostaCorrecta();
        break;
    case LiniaResposta::Avanca:
        emit canviat();
        break;
    case LiniaResposta::Erronia:
        emit canviat();
        ctx_.RespostaErronia();
        break;
    }
}

void ActivitatTaules::ajuda() {
    const QChar c = linia_.caracterAjuda();
    if (!c.isNull())
        caracter(c);
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
    d = clampToRanges(7, d);
    const int primera = d.Parametre1;
    const int ultima = d.Parametre2;

    Atzar& atzar = ctx_.atzar();
    a_ = atzar.entre(0, 9);
    b_ = atzar.entre(primera, ultima);
    pregunta_ = QStringLiteral("%1 x %2").arg(a_).arg(b_);
    linia_.inicia(QString::number(a_ * b_));
    completa_ = false;
    emit canviat();
}
