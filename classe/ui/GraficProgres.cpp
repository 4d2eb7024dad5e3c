#include "classe/ui/GraficProgres.h"

#include "core/ui/Lletra.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Passed bluish green, errors vermilion, time orange, abandoned grey.
const QColor kColors[kDesenllacos] = {QColor(0x00, 0x9E, 0x73), QColor(0xD5, 0x5E, 0x00),
                                      QColor(0xE6, 0x9F, 0x00), QColor(0x8C, 0x8C, 0x8C)};
const QScatterSeries::MarkerShape kFormes[kDesenllacos] = {
    QScatterSeries::MarkerShapeCircle, QScatterSeries::MarkerShapeTriangle,
    QScatterSeries::MarkerShapeRotatedRectangle, QScatterSeries::MarkerShapeRectangle};
constexpr qreal kMida = 20;
constexpr int kMarge = 8;
const QColor kLinia(0x30, 0x30, 0x30);

QFont lletra(bool negreta = false) {
    QFont f = Lletra::arial(12, negreta);
    f.setPixelSize(GraficProgres::kPixelsText);
    return f;
}

QChart* grafic() {
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(kMarge, kMarge, kMarge, kMarge));
    chart->legend()->setFont(lletra());
    chart->legend()->setLabelColor(Qt::black);
    return chart;
}

// Levels or errors: whole numbers only, the title beside.
QValueAxis* eixY(const QString& titol, double minim, double maxim, double pas, double ancora) {
    auto* eix = new QValueAxis;
    eix->setRange(minim, maxim);
    eix->setTickType(QValueAxis::TicksDynamic);
    eix->setTickAnchor(ancora);
    eix->setTickInterval(pas);
    eix->setLabelFormat(QStringLiteral("%d"));
    eix->setLabelsFont(lletra());
    eix->setLabelsColor(Qt::black);
    eix->setTitleText(titol);
    eix->setTitleFont(lletra(true));
    return eix;
}

// The series one after another; labels and grid lines where a day starts.
QCategoryAxis* eixX(const ProgresAlumne& p, const QString& titol) {
    auto* eix = new QCategoryAxis;
    eix->setRange(0.5, p.punts.size() + 0.5);
    eix->setStartValue(0);
    eix->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (const DiaProgres& d : p.dies(GraficProgres::kDiesEtiquetats))
        eix->append(d.dia.toString(u"dd-MM"), d.x);
    eix->setLabelsFont(lletra());
    eix->setLabelsColor(Qt::black);
    eix->setTitleText(titol);
    eix->setTitleFont(lletra(true));
    return eix;
}

// One series of marks per outcome, so that the legend names each once.
void marques(QChart* chart, const ProgresAlumne& p, const GraficProgres::Textos& t, bool nivell) {
    for (int d = 0; d < kDesenllacos; ++d) {
        auto* s = new QScatterSeries;
        s->setName(t.desenllacos[d]);
        s->setMarkerShape(kFormes[d]);
        s->setMarkerSize(kMida);
        s->setColor(kColors[d]);
        s->setBorderColor(Qt::black);
        for (const PuntProgres& pt : p.punts)
            if (int(pt.desenllac) == d)
                s->append(pt.x, nivell ? pt.nivell : pt.errors);
        chart->addSeries(s);
    }
}

void posaEixos(QChart* chart, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
}

} // namespace

namespace GraficProgres {

QColor color(Desenllac d) {
    return kColors[int(d)];
}

QChart* nivells(const ProgresAlumne& p, const Textos& t) {
    QChart* chart = grafic();
    auto* linia = new QLineSeries;
    linia->setName(t.nivell);
    linia->setPen(QPen(kLinia, 4));
    linia->append(p.esglaons());
    chart->addSeries(linia);
    marques(chart, p, t, true);
    // The errors panel below names the x axis for both.
    posaEixos(chart, eixX(p, QString()), eixY(t.nivell, 0.5, kNivellMaxim + 0.5, 1, 1));
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->legend()->markers(linia).constFirst()->setVisible(false);
    return chart;
}

QChart* errors(const ProgresAlumne& p, const Textos& t) {
    QChart* chart = grafic();
    marques(chart, p, t, false);
    // Three or four labelled steps whatever the most errors (the panel is low), the marks of no
    // error clear of the axis.
    int maxim = 3;
    for (const PuntProgres& pt : p.punts)
        maxim = std::max(maxim, pt.errors);
    const int pas = int(std::ceil(maxim / 3.0));
    posaEixos(chart, eixX(p, t.eixX), eixY(t.errors, -0.5 * pas, maxim + 0.5 * pas, pas, 0));
    chart->legend()->hide();
    return chart;
}

void alinea(QChart* dalt, QChart* baix) {
    const auto ajusta = [dalt, baix] {
        const QMargins md = dalt->margins(), mb = baix->margins();
        const QRectF pd = dalt->plotArea(), pb = baix->plotArea();
        // Until both are laid out at the same width, one's edges say nothing of the other's (and
        // a margin taken from them would widen the window for good).
        if (pd.isEmpty() || pb.isEmpty() || dalt->size().width() != baix->size().width())
            return;
        // Each plot area's edges as they would be with the charts' own margins only.
        const double base = kMarge;
        const double esqD = pd.left() - (md.left() - base), esqB = pb.left() - (mb.left() - base);
        const double dreD = pd.right() + (md.right() - base),
                     dreB = pb.right() + (mb.right() - base);
        const double esq = std::max(esqD, esqB), dre = std::min(dreD, dreB);
        const QMargins nd(int(base + std::round(esq - esqD)), md.top(),
                          int(base + std::round(dreD - dre)), md.bottom());
        const QMargins nb(int(base + std::round(esq - esqB)), mb.top(),
                          int(base + std::round(dreB - dre)), mb.bottom());
        if (nd != md)
            dalt->setMargins(nd);
        if (nb != mb)
            baix->setMargins(nb);
    };
    QObject::connect(dalt, &QChart::plotAreaChanged, baix, ajusta);
    QObject::connect(baix, &QChart::plotAreaChanged, dalt, ajusta);
}

} // namespace GraficProgres
