#include "classe/ui/ResumImpres.h"

#include "core/ui/Lletra.h"
#include "core/ui/PaginaA4.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <numeric>

namespace ResumImpres {

namespace {

// ColorBrewer's "Blues", light to dark.
constexpr QRgb kBlaus[] = {0xeff3ff, 0xc6dbef, 0x9ecae1, 0x6baed6, 0x4292c6, 0x2171b5, 0x084594};
constexpr double kMargePaper = 10;     // mm
constexpr double kPuntsCapcalera = 11; // points
constexpr double kPuntsTaula = 9;
constexpr double kPuntsMinims = 6;
constexpr double kAireCella = 1.5; // mm each side of a cell's text

} // namespace

QColor colorAvanc(double avanc) {
    const int n = int(std::size(kBlaus));
    return QColor(kBlaus[std::clamp(int(avanc * (n - 1) + 0.5), 0, n - 1)]);
}

QColor tintaSobre(const QColor& fons) {
    // Relative luminance as WCAG weighs it; white text from the middle of the ramp on.
    const double llum = 0.2126 * fons.redF() + 0.7152 * fons.greenF() + 0.0722 * fons.blueF();
    return llum > 0.45 ? Qt::black : Qt::white;
}

void preparaImpressora(QPrinter& impressora) {
    posaA4(impressora, QPageLayout::Landscape, kMargePaper);
}

bool imprimeix(QPrinter& impressora, const Dades& d) {
    QPainter p;
    if (!p.begin(&impressora))
        return false;
    const double perMm = impressora.resolution() / 25.4;
    const QRectF pagina(QPointF(),
                        impressora.pageLayout().paintRect(QPageLayout::Millimeter).size() * perMm);
    const double aire = kAireCella * perMm;

    // The widest text of every column sets its width; the type shrinks until all fit.
    QList<double> amples;
    double punts = kPuntsTaula;
    for (;; punts -= 0.5) {
        const QFontMetricsF fm(Lletra::arial(punts, true), &impressora);
        amples.fill(0, d.capcalera.size());
        for (qsizetype c = 0; c < d.capcalera.size(); ++c) {
            amples[c] = fm.horizontalAdvance(d.capcalera.at(c));
            for (const QStringList& f : d.files)
                amples[c] = std::max(amples[c], fm.horizontalAdvance(f.value(c)));
            amples[c] += 2 * aire;
        }
        if (std::accumulate(amples.cbegin(), amples.cend(), 0.0) <= pagina.width() ||
            punts <= kPuntsMinims)
            break;
    }
    const QFont lletra = Lletra::arial(punts), negreta = Lletra::arial(punts, true);
    const double alt = QFontMetricsF(lletra, &impressora).height() * 1.5;
    const QFont titol = Lletra::arial(kPuntsCapcalera, true);
    const double altTitol = QFontMetricsF(titol, &impressora).height();
    const double dalt = altTitol * 2.6; // title and period, then the headings

    const auto fila = [&](double y, const QStringList& textos, const QList<double>& avanc,
                          bool capcalera) {
        double x = 0;
        p.setFont(capcalera ? negreta : lletra);
        for (qsizetype c = 0; c < amples.size(); ++c) {
            const QRectF cella(x, y, amples.at(c), alt);
            const double a = avanc.value(c, -1);
            const QColor fons = capcalera ? QColor(0xe0, 0xe0, 0xe0)
                                : a >= 0  ? colorAvanc(a)
                                          : QColor(Qt::white);
            p.fillRect(cella, fons);
            p.setPen(QPen(Qt::black, 0.2 * perMm));
            p.drawRect(cella);
            p.setPen(tintaSobre(fons));
            const int alinea = c == 1 ? Qt::AlignLeft : Qt::AlignHCenter;
            p.drawText(cella.adjusted(aire, 0, -aire, 0), alinea | Qt::AlignVCenter,
                       textos.value(c));
            x += amples.at(c);
        }
    };

    const int perPagina = std::max(1, int((pagina.height() - dalt) / alt) - 1);
    const qsizetype pagines = std::max<qsizetype>(1, (d.files.size() + perPagina - 1) / perPagina);
    for (qsizetype n = 0; n < pagines; ++n) {
        if (n > 0 && !impressora.newPage())
            return false;
        p.setPen(Qt::black);
        p.setFont(titol);
        const QRectF linia(0, 0, pagina.width(), altTitol);
        p.drawText(linia, Qt::AlignLeft | Qt::AlignVCenter, d.titol);
        p.drawText(linia, Qt::AlignRight | Qt::AlignVCenter,
                   d.data + ". " + d.pagina + ' ' + QString::number(n + 1));
        p.setFont(lletra);
        p.drawText(linia.translated(0, altTitol), Qt::AlignLeft | Qt::AlignVCenter, d.periode);
        fila(dalt, d.capcalera, {}, true);
        const qsizetype fi = std::min<qsizetype>(d.files.size(), (n + 1) * perPagina);
        for (qsizetype i = n * perPagina; i < fi; ++i)
            fila(dalt + alt * (i - n * perPagina + 1), d.files.at(i), d.avanc.value(i), false);
    }
    return p.end();
}

} // namespace ResumImpres
