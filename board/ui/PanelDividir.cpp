#include "board/ui/PanelDividir.h"

#include "board/ActivitatDividir.h"
#include "board/ui/PissarraEstil.h"
#include "core/ui/Lletra.h"

#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <cmath>

using namespace PissarraEstil;

namespace {

// Offsets of the long division, in its own units (PissarraEstil::uDividir).
constexpr qreal kColumna = 300;  // one column: a digit and a blank
constexpr qreal kFila = 420;     // height of a written line
constexpr qreal kSotaPla = 30;   // rows of the plain layout sit this far under one another
constexpr qreal kSotaResta = 15; // the lines of the layout with subtractions, closer
constexpr qreal kAcabada = 330;  // the end mark, below the top of the last row
// The bracket stands clear of the dividend's last column, and the divisor and quotient clear of
// the bracket, so that a row and the quotient beside it never read as one number.
constexpr qreal kBarra = 60;
constexpr qreal kDivisor = 160;
constexpr qreal kFiRatlla = 60; // the rule over the quotient runs on past its last column
constexpr qreal kGruix = 28;    // thickness of the rules
constexpr qreal kDigit = 200;   // the digit's part of a column
// `TornDiv` fills the place of the awaited digit, from the top of a figure to its baseline.
constexpr qreal kDaltTorn = 60;
constexpr qreal kAltTorn = 285;
constexpr qreal kAltAcabada = 60;
constexpr qreal kMarge = 100; // room past a line's last column, so no digit is clipped

constexpr int kMida = 36; // points, bold, at the full unit
constexpr int kMargePanell = 6;
constexpr qreal kEscalaMinima = 0.01; // a panel not laid out yet still gets a real font size

int xifres(int n) {
    return int(QString::number(n).size());
}

} // namespace

PanelDividir::PanelDividir(ActivitatDividir& activitat, QWidget* parent)
    : PanellActivitat(activitat, parent), act_(activitat) {
    setObjectName(QStringLiteral("PanelDividir"));

    dividend_ = nouText(QStringLiteral("Dividend"), guix());
    divisor_ = nouText(QStringLiteral("Divisor"), guix());
    quocient_ = nouText(QStringLiteral("Quocient"), groc());
    for (int k = 0; k < kFiles; ++k) {
        const QString n = QString::number(k + 1);
        Fila& f = files_[k];
        f.resPar = nouText(QStringLiteral("ResPar_") + n, groc());
        f.ddPar = nouText(QStringLiteral("ddPar_") + n, groc());
        f.resPar->hide();
        f.ddPar->hide();
        f.apuntRes = nouText(QStringLiteral("ApuntRes_") + n, groc());
        f.apuntDiv = nouText(QStringLiteral("ApuntDiv_") + n, groc());
        f.signe = nouText(QStringLiteral("Signe_") + n, groc());
        f.signe->setText(QStringLiteral("\u2212"));
        f.signe->setAlignment(Qt::AlignCenter);
        f.linDiv = new QFrame(this);
        f.linDiv->setObjectName(QStringLiteral("LinDiv_") + n);
        f.linDiv->setAutoFillBackground(true);
        QPalette pal = f.linDiv->palette();
        pal.setColor(QPalette::Window, guix());
        f.linDiv->setPalette(pal);
    }

    tornDiv_ = new QLabel(this);
    tornDiv_->setObjectName(QStringLiteral("TornDiv"));
    tornDiv_->setAutoFillBackground(true);

    acabada_ = new QLabel(this);
    acabada_->setObjectName(QStringLiteral("Acabada"));
    acabada_->setStyleSheet(QStringLiteral("QLabel { border-top: 3px solid #ffff00;"
                                           " border-bottom: 3px solid #ffff00; }"));

    refresca();
}

QLabel* PanelDividir::nouText(const QString& nom, const QColor& color) {
    auto* l = new QLabel(this);
    l->setObjectName(nom);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    posaColor(l, color);
    return l;
}

QRect PanelDividir::lloc(qreal x, qreal y, qreal ample, qreal alt) const {
    const auto px = [this](qreal u) { return int(std::lround(u * escala_)); };
    return QRect(px(x), px(y), px(x + ample) - px(x), px(y + alt) - px(y));
}

void PanelDividir::refresca() {
    const ActivitatDividir& a = act_;
    const DivisioLlarga& d = a.divisio();
    const bool resta = a.ambResta();
    const int nd = d.valida() ? xifres(d.dividend) : 1;
    const int ns = d.valida() ? xifres(d.divisor) : 1;
    const int nq = int(d.quocient.size());
    const int files = std::min(a.files(), kFiles);

    // The level fixes the digits of both numbers, and with them the most rows a division can
    // take; the unit is set once for that many, so the figures keep their size all series long.
    const int filesMax = std::clamp(std::max(nd - ns + 1, files), 1, kFiles);
    const qreal pasFila = resta ? 2 * (kFila + kSotaResta) : kFila + kSotaPla;
    const qreal alt = kFila + filesMax * pasFila;
    const qreal ample =
        kColumna + nd * kColumna + kBarra + kDivisor + std::max(ns, nq) * kColumna + kFiRatlla;
    escala_ = std::max(kEscalaMinima, std::min({uDividir(1), (height() - 2 * kMargePanell) / alt,
                                                (width() - 2 * kMargePanell) / ample}));

    QFont f = Lletra::arial(kMida, true);
    const qreal parell = QFontMetricsF(f).horizontalAdvance(QStringLiteral("0 "));
    f.setPointSizeF(kMida * kColumna * escala_ / parell);

    const qreal x0 = (width() / escala_ - ample) / 2 + kColumna;
    const qreal y0 = (height() / escala_ - alt) / 2;
    const qreal xBarra = x0 + nd * kColumna + kBarra;
    const qreal xDivisor = xBarra + kDivisor;
    const qreal yQuocient = y0 + kFila + kSotaPla;

    dividend_->setText(a.dividendText());
    dividend_->setGeometry(lloc(x0, y0, nd * kColumna + kMarge, kFila));
    divisor_->setText(a.divisorText());
    divisor_->setGeometry(lloc(xDivisor, y0, ns * kColumna + kMarge, kFila));
    quocient_->setText(a.quocient());
    quocient_->setGeometry(lloc(xDivisor, yQuocient, nq * kColumna + kMarge, kFila));
    barra_ =
        QLine(lloc(xBarra, y0, 0, 0).topLeft(), lloc(xBarra, y0 + kFila + kGruix, 0, 0).topLeft());
    ratlla_ = QLine(barra_.p2(), lloc(xDivisor + std::max(ns, nq) * kColumna + kFiRatlla,
                                      y0 + kFila + kGruix, 0, 0)
                                     .topLeft());

    // Product and remainder lines of row k (the same line in the plain layout).
    auto daltProducte = [&](int k) { return y0 + kFila + kSotaResta + (k - 1) * pasFila; };
    auto daltResta = [&](int k) {
        return resta ? daltProducte(k) + kFila + kSotaResta : y0 + k * (kFila + kSotaPla);
    };
    // What is written on a row grows leftwards from the end of its remainder (or product) and
    // then rightwards with the digits brought down.
    auto esquerra = [&](int k, const QString& escrit) {
        const FilaDivisio& fila = d.files.at(k - 1);
        const int xifresEscrites = int(escrit.size()) / 2;
        return x0 + (fila.columnaInici + std::max(0, fila.xifresResta - xifresEscrites)) * kColumna;
    };

    for (QLabel* l : {dividend_, divisor_, quocient_})
        l->setFont(f);
    for (int k = 1; k <= kFiles; ++k) {
        Fila& fila = files_[k - 1];
        const bool hiEs = k <= files;
        fila.resPar->setText(a.resPar(k));
        fila.ddPar->setText(a.ddPar(k));
        for (QLabel* l : {fila.apuntRes, fila.apuntDiv, fila.signe})
            l->setFont(f);
        const QString res = a.apuntRes(k);
        const QString div = a.apuntDiv(k);
        fila.apuntRes->setText(res);
        fila.apuntDiv->setText(div);
        fila.apuntRes->setVisible(hiEs);
        fila.apuntDiv->setVisible(hiEs && resta);
        fila.signe->setVisible(hiEs && a.signeVisible(k));
        fila.linDiv->setVisible(hiEs && a.signeVisible(k));
        if (!hiEs)
            continue;
        const FilaDivisio& fd = d.files.at(k - 1);
        const qreal ampleFila = (fd.resPar.size() / 2 + 1) * kColumna;
        if (resta) {
            fila.apuntRes->setGeometry(lloc(esquerra(k, res), daltProducte(k), ampleFila, kFila));
            fila.apuntDiv->setGeometry(lloc(esquerra(k, div), daltResta(k), ampleFila, kFila));
            const qreal xSigne = x0 + (fd.columnaInici - 1) * kColumna;
            fila.signe->setGeometry(lloc(xSigne, daltProducte(k), kDigit, kFila));
            const qreal fi = x0 + (fd.columnaInici + fd.xifresResta) * kColumna - kColumna / 3;
            fila.linDiv->setGeometry(
                lloc(xSigne, daltProducte(k) + kFila - kGruix / 2, fi - xSigne, kGruix));
        } else {
            fila.apuntRes->setGeometry(lloc(esquerra(k, res), daltResta(k), ampleFila, kFila));
        }
    }

    if (files > 0) {
        qreal x = 0;
        qreal y = 0;
        switch (a.tornLinia()) {
        case ActivitatDividir::LiniaTorn::Quocient:
            x = xDivisor + a.tornColumna() * kColumna;
            y = yQuocient;
            break;
        case ActivitatDividir::LiniaTorn::Producte:
            x = x0 + a.tornColumna() * kColumna;
            y = daltProducte(a.tornFila());
            break;
        case ActivitatDividir::LiniaTorn::Resta:
            x = x0 + a.tornColumna() * kColumna;
            y = daltResta(a.tornFila());
            break;
        }
        tornDiv_->setGeometry(lloc(x, y + kDaltTorn, kDigit, kAltTorn));
        acabada_->setGeometry(lloc(x0 + a.columnaAcabada() * kColumna,
                                   daltResta(a.filaAcabada()) + kAcabada,
                                   2 * kColumna - (kColumna - kDigit), kAltAcabada));
    }
    QPalette pal = tornDiv_->palette();
    pal.setColor(QPalette::Window, a.tornVermell() ? vermell() : groc());
    tornDiv_->setPalette(pal);
    tornDiv_->setVisible(files > 0 && a.tornVisible() && !a.completa());
    acabada_->setVisible(files > 0 && a.acabadaVisible());
    update();
}

void PanelDividir::resizeEvent(QResizeEvent* e) {
    PanellActivitat::resizeEvent(e);
    refresca();
}

void PanelDividir::paintEvent(QPaintEvent*) {
    if (!act_.divisio().valida())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(guix(), std::max(2.0, kGruix * escala_), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(barra_);
    p.drawLine(ratlla_);
}
