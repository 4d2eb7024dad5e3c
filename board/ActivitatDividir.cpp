#include "board/ActivitatDividir.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

#include <utility>

namespace {

int potencia10(int exponent) {
    int p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// Columns left of a row's start are negative (the cursor steps there after the last digit of a
// remainder), so halve rounding down.
int mitjaAvall(int x) {
    return x >= 0 ? x / 2 : -((1 - x) / 2);
}

QString xifraIBlanc(QChar c) {
    return QString(c) + QLatin1Char(' ');
}

} // namespace

ActivitatDividir::ActivitatDividir(ContextActivitat& ctx, QObject* parent)
    : Activitat(ctx, parent) {}

void ActivitatDividir::preparar() {
    ambResta_ = ctx_.ambResta();
    novaOperacio();
}

void ActivitatDividir::novaOperacio() {
    // Five dividend digits at most keep every division within the board's five rows, whatever
    // a damaged level record holds.
    DadesNivell nivell;
    nivell.Parametre1 = ctx_.parametre1();
    nivell.Parametre2 = ctx_.parametre2();
    nivell = ajustaAlsRangs(numero(TipusActivitat::Dividir), nivell);
    const int a = nivell.Parametre1;
    const int b = nivell.Parametre2;
    const int operand1 = ctx_.atzar().entre(potencia10(a - 1), potencia10(a) - 1);
    const int operand2 = ctx_.atzar().entre(potencia10(b - 1), potencia10(b) - 1);
    posaOperacio(operand1, operand2);
}

bool ActivitatDividir::posaOperacio(int operand1, int operand2) {
    if (operand2 > operand1)
        std::swap(operand1, operand2);
    DivisioLlarga divisio = DivisioLlarga::construeix(operand1, operand2, ambResta_);
    if (!divisio.valida())
        return false;
    divisio_ = std::move(divisio);
    apunts_ = QList<Apunt>(divisio_.files.size());
    quocient_.clear();
    quocientPendent_ = divisio_.quocient;
    fase_ = 0;
    columna_ = 0;
    fila_ = ambResta_ ? 1 : 0;
    completa_ = false;
    tornVermell_ = false;
    emit canviat();
    return true;
}

QString ActivitatDividir::dividendText() const {
    return divisio_.valida() ? DivisioLlarga::espaiat(QString::number(divisio_.dividend))
                             : QString();
}

QString ActivitatDividir::divisorText() const {
    return divisio_.valida() ? DivisioLlarga::espaiat(QString::number(divisio_.divisor))
                             : QString();
}

QString ActivitatDividir::resPar(int k) const {
    return k >= 1 && k <= files() ? divisio_.files.at(k - 1).resPar : QString();
}

QString ActivitatDividir::ddPar(int k) const {
    return k >= 1 && k <= files() ? divisio_.files.at(k - 1).ddPar : QString();
}

QString ActivitatDividir::apuntRes(int k) const {
    return k >= 1 && k <= apunts_.size() ? apunts_.at(k - 1).res : QString();
}

QString ActivitatDividir::apuntDiv(int k) const {
    return k >= 1 && k <= apunts_.size() ? apunts_.at(k - 1).div : QString();
}

bool ActivitatDividir::signeVisible(int k) const {
    return k >= 1 && k <= apunts_.size() && apunts_.at(k - 1).signe;
}

int ActivitatDividir::columnaInici(int k) const {
    return k >= 1 && k <= files() ? divisio_.files.at(k - 1).columnaInici : 0;
}

QString ActivitatDividir::escritFila(int k) const {
    return ambResta_ ? apuntDiv(k) : apuntRes(k);
}

QChar ActivitatDividir::caracterAjuda() const {
    if (completa_ || !divisio_.valida())
        return {};
    // Positions are 1-based; a position outside its text yields no character.
    auto a = [](const QString& text, int posicio) {
        return posicio >= 1 && posicio <= text.size() ? text.at(posicio - 1) : QChar();
    };
    switch (fase_) {
    case 0:
        return quocientPendent_.isEmpty() ? QChar() : quocientPendent_.at(0);
    case 1:
        return a(ddPar(fila_), columna_);
    case 2:
        return a(resPar(fila_), columna_);
    case 3:
        return a(resPar(fila_), int(escritFila(fila_).size()) + 1);
    case 4:
        return QLatin1Char('-');
    default:
        return {};
    }
}

void ActivitatDividir::caracter(QChar c) {
    const QChar esperat = caracterAjuda();
    if (esperat.isNull())
        return; // nothing is awaited once the division is complete
    if (c != esperat) {
        // The minus sign is awaited with the cursor hidden; a wrong key leaves it hidden.
        if (fase_ != 4)
            tornVermell_ = true;
        emit canviat();
        ctx_.RespostaErronia();
        return;
    }

    switch (fase_) {
    case 0:
        quocient_ += xifraIBlanc(c);
        quocientPendent_.remove(0, 1);
        if (c == QLatin1Char('0')) {
            if (quocientPendent_.isEmpty()) {
                acaba();
                return;
            }
            fase_ = 3;
        } else if (!ambResta_) {
            if (fila_ < files())
                ++fila_;
            fase_ = 2;
            columna_ = quocientPendent_.isEmpty()
                           ? int(resPar(fila_).size()) - 1
                           : 2 * divisio_.files.at(fila_ - 1).xifresResta - 1;
        } else {
            if (fila_ < files() && !apuntDiv(fila_).isEmpty() &&
                apuntDiv(fila_).size() == resPar(fila_).size())
                ++fila_;
            fase_ = 1;
            columna_ = int(ddPar(fila_).size()) - 1;
            apunts_[fila_ - 1].res.clear();
        }
        break;
    case 1: {
        Apunt& apunt = apunts_[fila_ - 1];
        apunt.res.prepend(xifraIBlanc(c));
        columna_ -= 2;
        if (columna_ < 1) {
            fase_ = 4;
            // The difference is as wide as the product just written.
            columna_ = int(apunt.res.size()) - 1;
            apunt.div.clear();
        }
        break;
    }
    case 4:
        apunts_[fila_ - 1].signe = true;
        fase_ = 2;
        break;
    case 2: {
        Apunt& apunt = apunts_[fila_ - 1];
        (ambResta_ ? apunt.div : apunt.res).prepend(xifraIBlanc(c));
        columna_ -= 2;
        if (columna_ <= 0) {
            if (quocientPendent_.isEmpty()) {
                acaba();
                return;
            }
            fase_ = 3;
        }
        break;
    }
    case 3: {
        Apunt& apunt = apunts_[fila_ - 1];
        (ambResta_ ? apunt.div : apunt.res).append(xifraIBlanc(c));
        fase_ = 0;
        break;
    }
    }
    tornVermell_ = false;
    emit canviat();
}

void ActivitatDividir::acaba() {
    completa_ = true;
    tornVermell_ = false;
    emit canviat();
    // The series may put the next division on the board from inside this call.
    ctx_.RespostaCorrecta();
}

void ActivitatDividir::ajuda() {
    const QChar c = caracterAjuda();
    if (!c.isNull())
        caracter(c);
}

bool ActivitatDividir::accepta(QChar c) const {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-');
}

int ActivitatDividir::teclat() const {
    return ambResta_ ? 1 : 0;
}

QString ActivitatDividir::teclaExtra() const {
    return ambResta_ ? QStringLiteral("-") : Activitat::teclaExtra();
}

ActivitatDividir::LiniaTorn ActivitatDividir::tornLinia() const {
    switch (fase_) {
    case 0:
        return LiniaTorn::Quocient;
    case 1:
    case 4:
        return LiniaTorn::Producte;
    default:
        return LiniaTorn::Resta;
    }
}

int ActivitatDividir::tornFila() const {
    return fase_ == 0 ? 0 : fila_;
}

int ActivitatDividir::tornColumna() const {
    const int inici = columnaInici(fila_);
    switch (fase_) {
    case 0:
        return int(quocient_.size()) / 2;
    case 1:
    case 2:
        return inici + mitjaAvall(columna_ - 1);
    case 3:
        return inici + int(escritFila(fila_).size()) / 2;
    default:
        return inici - 1; // where the last product digit left it
    }
}
