#include "board/ActivitatSumRes.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

#include <algorithm>

namespace {

bool esDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

ActivitatSumRes::ActivitatSumRes(ContextActivitat& ctx, Operacio operacio, QObject* parent)
    : Activitat(ctx, parent), operacio_(operacio) {}

void ActivitatSumRes::preparar() {
    genera();
}

void ActivitatSumRes::novaOperacio() {
    genera();
}

void ActivitatSumRes::caracter(QChar c) {
    comprova(c);
}

void ActivitatSumRes::ajuda() {
    if (completa_)
        return;
    // Five leading zeros cover every column a five-digit difference can leave empty.
    const QString s = QStringLiteral("00000") + QString::number(resultat_);
    const int index = int(s.size()) - columna_ - 1;
    if (index >= 0)
        comprova(s.at(index));
}

bool ActivitatSumRes::accepta(QChar c) const {
    return esDigit(c);
}

QString ActivitatSumRes::signe() const {
    return operacio_ == Operacio::Suma ? QStringLiteral("+") : QStringLiteral("-");
}

int ActivitatSumRes::digit1(int columna) const {
    return digits1_.value(columna, 0);
}

int ActivitatSumRes::digit2(int columna) const {
    return digits2_.value(columna, 0);
}

ActivitatSumRes::EstatCella ActivitatSumRes::estatCella(int columna) const {
    return columna >= 0 && columna < celles_.size() ? celles_.at(columna).estat
                                                    : EstatCella::Esperant;
}

QChar ActivitatSumRes::digitCella(int columna) const {
    return columna >= 0 && columna < celles_.size() ? celles_.at(columna).digit : QChar();
}

void ActivitatSumRes::genera() {
    // Sumar and Restar share their limits; a damaged level never asks for more digits than the
    // result cells and the 32-bit result can hold.
    const Rang xifres = rangsDe(numero(TipusActivitat::Sumar)).parametre1;
    n_ = std::clamp(ctx_.parametre1(), xifres.minim, xifres.maxim);
    portant_ = ctx_.parametre2() == 1;

    digits1_.fill(0, n_);
    digits2_.fill(0, n_);
    for (int i = 0; i < n_; ++i)
        generaColumna(i, i == n_ - 1);

    auto text = [this](const QList<int>& digits) {
        QString t;
        for (int i = n_ - 1; i >= 0; --i)
            t += QChar(u'0' + digits.at(i));
        return t;
    };
    operand1_ = text(digits1_);
    operand2_ = text(digits2_);

    // Only with borrowing can the bottom number come out larger; the larger one goes on top.
    if (operacio_ == Operacio::Resta && operand1_ < operand2_) {
        std::swap(operand1_, operand2_);
        std::swap(digits1_, digits2_);
    }

    const int a = operand1_.toInt();
    const int b = operand2_.toInt();
    resultat_ = operacio_ == Operacio::Suma ? a + b : a - b;
    esperat_ = QString::number(resultat_);
    if (operacio_ == Operacio::Resta)
        esperat_ = esperat_.rightJustified(n_, QLatin1Char('0'));

    columna_ = 0;
    celles_ = {Cella{}};
    completa_ = false;
    emit canviat();
}

void ActivitatSumRes::generaColumna(int i, bool esquerra) {
    Atzar& atzar = ctx_.atzar();
    // A number of two or more digits never starts with 0.
    const int lo = esquerra && n_ > 1 ? 1 : 0;
    int d1 = atzar.entre(lo, 9);
    int hi = 9;
    if (!portant_) {
        // Under a leading 9 no bottom digit from 1 keeps a sum short of a carry out of the
        // number; both operations share the rule.
        if (d1 == 9 && lo == 1)
            d1 = 8;
        hi = operacio_ == Operacio::Resta ? d1 : 9 - d1;
    }
    digits1_[i] = d1;
    digits2_[i] = atzar.entre(lo, hi);
}

void ActivitatSumRes::comprova(QChar c) {
    if (completa_ || !esDigit(c))
        return;
    const int l = int(esperat_.size());
    const int index = l - columna_ - 1;
    if (index < 0)
        return;
    Cella& cella = celles_[columna_];
    if (c != esperat_.at(index)) {
        cella.estat = EstatCella::Erronia;
        cella.digit = QChar();
        emit canviat();
        ctx_.RespostaErronia();
        return;
    }
    cella.estat = EstatCella::Correcta;
    cella.digit = c;
    ++columna_;
    if (columna_ == l) {
        completa_ = true;
        emit canviat();
        ctx_.RespostaCorrecta();
        return;
    }
    celles_.append(Cella{});
    emit canviat();
}
