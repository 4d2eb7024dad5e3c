#include "board/ui/PanelSumRes.h"

#include "board/ActivitatSumRes.h"
#include "board/ui/PissarraEstil.h"
#include "core/ui/Lletra.h"
#include "core/ui/Wingdings.h"

#include <QFrame>
#include <QLabel>
#include <cmath>
#include <tuple>

using namespace PissarraEstil;

namespace {

// Layout of the column sum, in board units.
constexpr int kPerXifra = 49;   // width of a digit when the operands are centred
constexpr int kPasColumna = 60; // from one column to the next
constexpr int kMargeResultat = 3;
constexpr int kSigne = 50;   // the sign stands this far left of the operands
constexpr int kFiRegle = 50; // and the rule runs this far right of the units

constexpr int kAmpleCella = 52;
constexpr int kAltCella = 92; // one 60-point line
constexpr int kFila2 = 88;    // top of the second operand below the first
constexpr int kRegle = 190;   // top of the rule below the first operand
constexpr int kGruixRegle = 5;
constexpr int kFila3 = 200; // top of the result row below the first operand
constexpr int kAltTotal = kFila3 + kAltCella;

constexpr int kMidaXifra = 60;  // ARIAL bold, yellow once written
constexpr int kMidaEspera = 24; // the waiting glyph

} // namespace

PanelSumRes::PanelSumRes(ActivitatSumRes& activitat, QWidget* parent)
    : PanellActivitat(activitat, parent), act_(activitat) {
    setObjectName(QStringLiteral("PanelSumRes"));

    mesMenys_ = new QLabel(this);
    mesMenys_->setObjectName(QStringLiteral("MésMenys"));
    mesMenys_->setAlignment(Qt::AlignCenter);
    mesMenys_->setFont(Lletra::arial(kMidaXifra, true));
    posaColor(mesMenys_, guix());

    regle_ = new QFrame(this);
    regle_->setObjectName(QStringLiteral("Línia_2"));
    regle_->setAutoFillBackground(true);
    QPalette pal = regle_->palette();
    pal.setColor(QPalette::Window, guix());
    regle_->setPalette(pal);

    refresca();
}

QLabel* PanelSumRes::nouDigit(const QString& nom) {
    auto* l = new QLabel(this);
    l->setObjectName(nom);
    l->show();
    return l;
}

void PanelSumRes::ajustaFila(QList<QLabel*>& fila, int n, const QString& prefix) {
    while (fila.size() > qMax(n, 1))
        delete fila.takeLast();
    while (fila.size() < qMax(n, 1))
        fila.append(nouDigit(prefix + QString::number(fila.size())));
}

void PanelSumRes::refresca() {
    const int n = act_.xifres();
    ajustaFila(linia1_, n, QStringLiteral("Línia1_"));
    ajustaFila(linia2_, n, QStringLiteral("Línia2_"));
    ajustaFila(linia3_, act_.nombreCelles(), QStringLiteral("Línia3_"));

    // Centred as if every digit were 49 wide; the columns then step 60 leftwards from `dreta`.
    const int x0 = int(std::nearbyint((width() - n * ub(kPerXifra)) / 2.0));
    const int dreta = n * ub(kPerXifra) + x0;
    const int y0 = (height() - ub(kAltTotal)) / 2;

    for (int i = 0; i < linia1_.size(); ++i) {
        const int x = dreta - i * ub(kPasColumna);
        for (auto [fila, digit, top] :
             {std::tuple{linia1_.at(i), act_.digit1(i), y0},
              std::tuple{linia2_.at(i), act_.digit2(i), y0 + ub(kFila2)}}) {
            fila->setGeometry(x, top, ub(kAmpleCella), ub(kAltCella));
            fila->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            fila->setFont(Lletra::arial(kMidaXifra, true));
            posaColor(fila, guix());
            fila->setText(QString::number(digit));
        }
    }

    for (int i = 0; i < linia3_.size(); ++i) {
        QLabel* c = linia3_.at(i);
        c->setGeometry(dreta + ub(kMargeResultat) - i * ub(kPasColumna), y0 + ub(kFila3),
                       ub(kAmpleCella), ub(kAltCella));
        if (act_.estatCella(i) == ActivitatSumRes::EstatCella::Correcta) {
            c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            c->setFont(Lletra::arial(kMidaXifra, true));
            posaColor(c, groc());
            c->setText(act_.digitCella(i));
        } else {
            c->setAlignment(Qt::AlignCenter);
            c->setFont(Wingdings::font(Wingdings::kWaitingDigit, kMidaEspera));
            posaColor(c, act_.estatCella(i) == ActivitatSumRes::EstatCella::Erronia ? vermell()
                                                                                    : grisEspera());
            c->setText(Wingdings::text(Wingdings::kWaitingDigit));
        }
    }

    mesMenys_->setText(act_.signe());
    mesMenys_->setGeometry(x0 - ub(kSigne), y0 + ub(kFila2), ub(kPerXifra), ub(kAltCella));
    regle_->setGeometry(mesMenys_->x(), y0 + ub(kRegle), dreta + ub(kFiRegle) - mesMenys_->x(),
                        ub(kGruixRegle));
}

void PanelSumRes::resizeEvent(QResizeEvent* e) {
    PanellActivitat::resizeEvent(e);
    refresca();
}
