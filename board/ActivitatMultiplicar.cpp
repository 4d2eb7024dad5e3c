#include "board/ActivitatMultiplicar.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/IdsText.h"
#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

namespace {

constexpr QChar kBlanc = u' ';

QString espaiat(qint64 n) {
    QString t;
    for (const QChar d : QString::number(n)) {
        t += kBlanc;
        t += d;
    }
    return t;
}

int potencia10(int e) {
    int p = 1;
    for (int i = 0; i < e; ++i)
        p *= 10;
    return p;
}

} // namespace

ActivitatMultiplicar::ActivitatMultiplicar(ContextActivitat& ctx, QObject* parent)
    : Activitat(ctx, parent) {}

void ActivitatMultiplicar::preparar() {
    genera();
}

void ActivitatMultiplicar::novaOperacio() {
    genera();
}

void ActivitatMultiplicar::caracter(QChar c) {
    comprova(c);
}

void ActivitatMultiplicar::fletxaEsquerra() {
    comprova(kBlanc);
}

void ActivitatMultiplicar::ajuda() {
    if (completa_)
        return;
    if (fase_ == 4) {
        comprova(u'+');
        return;
    }
    const QString& text = resposta_[filaActual()];
    const int index = int(text.size()) - columna_ - 1;
    if (index >= 0)
        comprova(text.at(index));
}

bool ActivitatMultiplicar::accepta(QChar c) const {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    return c == QLatin1Char('+') && parametres().multiplicador >= 2;
}

int ActivitatMultiplicar::teclat() const {
    return parametres().multiplicador == 1 ? 0 : 1;
}

QString ActivitatMultiplicar::resposta(int fila) const {
    return fila >= 1 && fila <= kFilaProducte ? resposta_[fila] : QString();
}

int ActivitatMultiplicar::revelats(int fila) const {
    return fila >= 1 && fila <= kFilaProducte ? revelats_[fila] : 0;
}

int ActivitatMultiplicar::columnaDreta(int fila) const {
    return fila >= 1 && fila <= kFilaProducte ? columnaDreta_[fila] : 0;
}

int ActivitatMultiplicar::filaActual() const {
    if (fase_ == 4)
        return 0;
    return fase_ == 5 ? kFilaProducte : fase_;
}

int ActivitatMultiplicar::columnaTorn() const {
    return columnaDreta(filaActual()) + columna_ / 2;
}

ActivitatMultiplicar::Parametres ActivitatMultiplicar::parametres() const {
    // Three partial rows at most and a product below 10^8: a damaged level is held to the
    // editor's limits, multiplier never longer than the multiplicand.
    DadesNivell d;
    d.Parametre1 = ctx_.parametre1();
    d.Parametre2 = ctx_.parametre2();
    d = ajustaAlsRangs(numero(TipusActivitat::Multiplicar), d);
    return {d.Parametre1, d.Parametre2};
}

void ActivitatMultiplicar::genera() {
    const Parametres p = parametres();
    Atzar& atzar = ctx_.atzar();
    operand1_ = atzar.entre(potencia10(p.multiplicand - 1), potencia10(p.multiplicand) - 1);
    operand2_ = atzar.entre(potencia10(p.multiplicador - 1), potencia10(p.multiplicador) - 1);
    if (operand2_ > operand1_)
        std::swap(operand1_, operand2_);
    multiSup_ = espaiat(operand1_);
    multiInf_ = espaiat(operand2_);

    resposta_.fill(QString());
    revelats_.fill(0);
    columnaDreta_.fill(0);

    // The suffix carries the multiplier's zero digits: written zeros on the first row, one blank
    // column on a later one. A row's last column is where its digit of the multiplier stands,
    // less the columns its suffix adds.
    QString s;
    int fila = 1;
    const QString digits = QString::number(operand2_);
    for (int posicio = 0; posicio < digits.size() && fila <= 3; ++posicio) {
        const int d = digits.at(digits.size() - 1 - posicio).digitValue();
        if (d == 0) {
            s += QStringLiteral(" 0");
            continue;
        }
        QString text = espaiat(qint64(d) * operand1_);
        if (fila >= 2 && !s.isEmpty())
            s = QStringLiteral("  ");
        text += s;
        resposta_[fila] = text;
        columnaDreta_[fila] = posicio - int(s.size()) / 2;
        ++fila;
    }
    files_ = fila - 1;
    resposta_[kFilaProducte] = espaiat(qint64(operand1_) * operand2_);

    fase_ = 1;
    columna_ = 0;
    tornVisible_ = true;
    tornVermell_ = false;
    zeroVisible_ = false;
    zeroColumna_ = 0;
    linia1Visible_ = false;
    completa_ = false;
    emit canviat();
}

void ActivitatMultiplicar::comprova(QChar c) {
    if (completa_)
        return;
    if (fase_ == 4) {
        // `Torn` is hidden while "+" is awaited: a wrong key costs an error and shows nothing.
        if (c != QLatin1Char('+')) {
            ctx_.RespostaErronia();
            return;
        }
        linia1Visible_ = true;
        fase_ = 5;
        columna_ = 0;
        tornVisible_ = true;
        tornVermell_ = false;
        emit canviat();
        return;
    }

    const int fila = filaActual();
    const QString& text = resposta_[fila];
    const int index = int(text.size()) - columna_ - 1;
    if (index < 0)
        return;
    const QChar x = text.at(index);
    const bool zero = fase_ == 2 && x == kBlanc && c == QLatin1Char('0');
    if (c != x && !zero) {
        tornVermell_ = true;
        emit canviat();
        ctx_.RespostaErronia();
        return;
    }
    tornVermell_ = false;
    if (zero) {
        zeroVisible_ = true;
        zeroColumna_ = columnaTorn();
    }
    columna_ += 2;
    revelats_[fila] = columna_;
    if (columna_ >= text.size())
        acabaFila();
    if (completa_)
        completaOperacio();
    else
        emit canviat();
}

void ActivitatMultiplicar::acabaFila() {
    columna_ = 0;
    switch (fase_) {
    case 1:
        if (resposta_[2].isEmpty())
            completa_ = true;
        else
            fase_ = 2;
        break;
    case 2:
        if (resposta_[3].isEmpty()) {
            tornVisible_ = false;
            fase_ = 4;
        } else {
            fase_ = 3;
        }
        break;
    case 3:
        tornVisible_ = false;
        fase_ = 4;
        break;
    default:
        completa_ = true;
        break;
    }
}

void ActivitatMultiplicar::completaOperacio() {
    tornVisible_ = false;
    emit canviat();
    // Once help has been asked in the series, every later finished exercise reminds of it.
    ctx_.RespostaCorrecta(ctx_.ajudaDemanada() ? IdText::kNoDemanisAjuda
                                               : IdText::kOperacioFinalitzada);
}
