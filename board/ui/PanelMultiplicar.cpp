#include "board/ui/PanelMultiplicar.h"

#include "board/ActivitatMultiplicar.h"
#include "board/ui/PissarraEstil.h"
#include "core/ui/Lletra.h"
#include "core/ui/Wingdings.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <cmath>

using namespace PissarraEstil;

namespace {

// Offsets of the long multiplication, in its own units (PissarraEstil::uMultiplicar).
constexpr qreal kCentre = 3240;  // centre of the multiplicand
constexpr qreal kColumna = 405;  // one column: a blank and a digit
constexpr qreal kFila = 570;     // from one row to the next
constexpr qreal kSigne = 450;    // the sign stands this far left of the multiplier
constexpr qreal kFiLinia = 150;  // the rules run this far right of the units
constexpr qreal kSotaLinia = 30; // a row under a rule starts this far below it
constexpr qreal kGruix = 40;     // thickness of the rules
constexpr qreal kDigit = 270;    // the digit's part of a column, where `Torn` waits
constexpr qreal kMarge = 100;    // room past a row's last column, so no digit is clipped

constexpr int kMida = 36;     // points, bold: a blank and a digit fill one column
constexpr int kMidaTorn = 24; // the waiting glyph, as in the column sums

// The digits of `text` from the right: `n` characters, shown from column `dreta` leftwards.
qreal esquerraDe(qreal dreta, int columnaDreta, int caracters) {
    return dreta - (columnaDreta + caracters / 2) * kColumna;
}

} // namespace

PanelMultiplicar::PanelMultiplicar(ActivitatMultiplicar& activitat, QWidget* parent)
    : PanellActivitat(activitat, parent), act_(activitat) {
    setObjectName(QStringLiteral("PanelMultiplicar"));

    multiSup_ = nouText(QStringLiteral("MultiSup"), guix());
    multiInf_ = nouText(QStringLiteral("MultiInf"), guix());
    signe_ = nouText(QStringLiteral("lblSigne"), guix());
    signe_->setText(QStringLiteral("\u00D7"));
    signe_->setAlignment(Qt::AlignCenter);
    for (int k = 0; k < int(resposta_.size()); ++k)
        resposta_[k] = nouText(QStringLiteral("Resposta_%1").arg(k + 1), groc());
    zero_ = nouText(QStringLiteral("Zero"), groc());
    zero_->setText(QStringLiteral(" 0"));

    torn_ = new QLabel(Wingdings::text(Wingdings::kWaitingDigit), this);
    torn_->setObjectName(QStringLiteral("Torn"));
    torn_->setAlignment(Qt::AlignCenter);
    torn_->setFont(Wingdings::font(Wingdings::kWaitingDigit, kMidaTorn));

    for (int i = 0; i < int(linia_.size()); ++i) {
        auto* f = new QFrame(this);
        f->setObjectName(QStringLiteral("Línia_%1").arg(i));
        f->setAutoFillBackground(true);
        QPalette pal = f->palette();
        pal.setColor(QPalette::Window, guix());
        f->setPalette(pal);
        linia_[i] = f;
    }

    refresca();
}

QLabel* PanelMultiplicar::nouText(const QString& nom, const QColor& color) {
    auto* l = new QLabel(this);
    l->setObjectName(nom);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    posaColor(l, color);
    return l;
}

QRect PanelMultiplicar::lloc(qreal x, qreal y, qreal ample, qreal alt) const {
    const int esquerra = int(std::lround(uMultiplicar(x)));
    const int dalt = int(std::lround(uMultiplicar(y)));
    return QRect(esquerra, dalt, int(std::lround(uMultiplicar(x + ample))) - esquerra,
                 int(std::lround(uMultiplicar(y + alt))) - dalt);
}

void PanelMultiplicar::refresca() {
    // The figures are sized so that a blank and a digit fill one column exactly: every row, placed
    // from its own last column, then keeps its digits under those of the other rows.
    QFont f = Lletra::arial(kMida, true);
    const qreal parell = QFontMetricsF(f).horizontalAdvance(QStringLiteral(" 0"));
    f.setPointSizeF(kMida * uMultiplicar(kColumna) / parell);

    const QString sup = act_.multiSup();
    const QString inf = act_.multiInf();
    const int xifresInf = int(inf.size()) / 2;
    const int files = act_.files();

    // Centred on the rows the multiplier asks for, so the operands stay put from one exercise to
    // the next; a one-digit multiplier has no sum.
    const qreal alt = 2 * kFila + kSotaLinia + kFila + (xifresInf > 1 ? xifresInf * kFila : 0);
    const qreal y0 = (height() / uMultiplicar(1) - alt) / 2;

    const qreal ampleSup = sup.size() / 2 * kColumna;
    const qreal esquerraSup = kCentre - ampleSup / 2;
    const qreal dreta = std::round(esquerraSup + ampleSup);

    multiSup_->setText(sup);
    multiSup_->setGeometry(lloc(esquerraSup, y0, ampleSup + kMarge, kFila));
    const qreal esquerraInf = dreta - xifresInf * kColumna;
    multiInf_->setText(inf);
    multiInf_->setGeometry(lloc(esquerraInf, y0 + kFila, xifresInf * kColumna + kMarge, kFila));
    signe_->setGeometry(lloc(esquerraInf - kSigne, y0 + kFila, kColumna, kFila));

    const qreal linia0 = y0 + 2 * kFila;
    const qreal linia1 = linia0 + files * kFila;
    auto dalt = [&](int k) {
        return k == ActivitatMultiplicar::kFilaProducte ? linia1 + kSotaLinia
                                                        : linia0 + kSotaLinia + (k - 1) * kFila;
    };

    for (int k = 1; k <= ActivitatMultiplicar::kFilaProducte; ++k) {
        QLabel* l = resposta_[k - 1];
        const QString text = act_.resposta(k);
        const int revelats = act_.revelats(k);
        l->setFont(f);
        l->setText(text.right(revelats));
        l->setGeometry(lloc(esquerraDe(dreta, act_.columnaDreta(k), revelats), dalt(k),
                            text.size() / 2 * kColumna + kMarge, kFila));
        l->setVisible(revelats > 0);
    }
    for (QLabel* l : {multiSup_, multiInf_, signe_, zero_})
        l->setFont(f);

    const qreal esquerraFila1 =
        esquerraDe(dreta, act_.columnaDreta(1), int(act_.resposta(1).size()));
    const qreal inici0 = std::min(esquerraInf - kSigne, esquerraFila1);
    linia_[0]->setGeometry(lloc(inici0, linia0, dreta + kFiLinia - inici0, kGruix));
    const qreal inici1 = std::min(
        inici0,
        esquerraDe(dreta, 0, int(act_.resposta(ActivitatMultiplicar::kFilaProducte).size())));
    linia_[1]->setGeometry(lloc(inici1, linia1, dreta + kFiLinia - inici1, kGruix));
    linia_[1]->setVisible(act_.linia1Visible());

    zero_->setGeometry(
        lloc(dreta - (act_.zeroColumna() + 1) * kColumna, dalt(2), kColumna + kMarge, kFila));
    zero_->setVisible(act_.zeroVisible());

    const int fila = act_.filaActual();
    torn_->setGeometry(
        lloc(dreta - act_.columnaTorn() * kColumna - kDigit, dalt(fila), kDigit, kFila));
    posaColor(torn_, act_.tornVermell() ? vermell() : grisEspera());
    torn_->setVisible(act_.tornVisible() && !act_.completa() && fila != 0);
}

void PanelMultiplicar::resizeEvent(QResizeEvent* e) {
    PanellActivitat::resizeEvent(e);
    refresca();
}
