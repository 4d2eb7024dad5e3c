#include "history/ui/HistorialImpres.h"

#include "core/ui/Wingdings.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace HistorialImpres {

namespace {

// Where the pieces after the first start, from the left of the text area.
constexpr double kColumnes[] = {18, 45, 70, 85, 91, 105, 111, 125, 131};
// The headings: the three words, then the four symbols (level, exercises, errors, time).
constexpr double kXTitols[] = {0, 18, 45};
constexpr int kEtiTitols[] = {0, 1, 3};
constexpr double kXSimbols[] = {70, 90, 110, 130};
constexpr int kEtiSimbols[] = {2, 4, 5, 6};
constexpr int kCodisSimbols[] = {Wingdings::kQuery, Wingdings::kCheck, Wingdings::kCross,
                                 Wingdings::kClock};
constexpr double kAireSotaCapcalera = 2;
constexpr double kDistanciaImatge = 25;
constexpr double kImatgeAmple = 30;
constexpr double kImatgeAlt = 22;
constexpr int kAmpleRegle = 66;

Element text(const QString& t, double x, double y) {
    Element e;
    e.text = t;
    e.x = x;
    e.y = y;
    return e;
}

Element simbol(const QString& t, int codi, double x, double y) {
    Element e = text(t, x, y);
    e.tipus = Element::Tipus::Simbol;
    e.codi = codi;
    return e;
}

// The picture at its own proportions, as large as the band above the header allows.
Element imatge(const QSizeF& pixels) {
    const double escala = qMin(kImatgeAmple / pixels.width(), kImatgeAlt / pixels.height());
    Element e;
    e.tipus = Element::Tipus::Imatge;
    e.x = kOrigenX;
    e.y = kOrigenY - kDistanciaImatge;
    e.ample = pixels.width() * escala;
    e.alt = pixels.height() * escala;
    return e;
}

QFont arial() {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(kPunts);
    return f;
}

QString eti(const Dades& d, int i) {
    return i < d.eti.size() ? d.eti.at(i) : QString();
}

// A symbol drawn into a picture at the printer's resolution. Printers and PDF files cannot take
// glyphs from a colour emoji font, where the clock comes from; one picture per symbol serves
// every page.
struct ImatgeSimbol {
    QImage imatge;
    double ascens = 0; // from the picture's top to the symbol's baseline, in printer pixels
};

ImatgeSimbol imatgeSimbol(int codi, const QString& text, QPrinter& impressora) {
    const QFont lletra = Wingdings::font(codi, kPunts);
    const QFontMetricsF fm(lletra, &impressora);
    ImatgeSimbol s;
    s.ascens = fm.ascent();
    s.imatge = QImage(qCeil(qMax(1.0, fm.horizontalAdvance(text))), qCeil(fm.height()),
                      QImage::Format_ARGB32_Premultiplied);
    const int perMetre = qRound(impressora.resolution() / 0.0254);
    s.imatge.setDotsPerMeterX(perMetre);
    s.imatge.setDotsPerMeterY(perMetre);
    s.imatge.fill(Qt::transparent);
    QPainter p(&s.imatge);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::black);
    p.setFont(lletra);
    p.drawText(QPointF(0, s.ascens), text);
    return s;
}

} // namespace

std::optional<QList<Pagina>> pagines(const Dades& d, const QSizeF& paper, const Mesures& m) {
    const QString regle(kAmpleRegle, u'=');
    const double ampleRegle = m.ample(regle);
    QList<Pagina> llista;
    double y = 0;

    auto capcalera = [&] {
        Pagina p;
        y = kOrigenY;
        const QString titol = d.pagina + u' ' + QString::number(llista.size() + 1);
        const double xTitol = kOrigenX + ampleRegle - m.ample(titol);
        p << text(d.nom, kOrigenX, y) << text(titol, xTitol, y);
        y += m.linia;
        p << text(d.data, xTitol, y);
        y += m.linia;
        p << text(regle, kOrigenX, y);
        y += m.linia;
        for (int i = 0; i < 3; ++i)
            p << text(eti(d, kEtiTitols[i]).trimmed(), kOrigenX + kXTitols[i], y);
        for (int i = 0; i < 4; ++i)
            p << simbol(eti(d, kEtiSimbols[i]), kCodisSimbols[i], kOrigenX + kXSimbols[i], y);
        y += m.linia;
        p << text(regle, kOrigenX, y);
        y += m.linia + kAireSotaCapcalera;
        llista << p;
    };

    capcalera();
    if (!d.imatge.isEmpty())
        llista.first().prepend(imatge(d.imatge));
    for (const QString& linia : d.linies) {
        if (y + 1 > paper.height() - kMargeInferior)
            capcalera();
        const QStringList peces = linia.split(u'\t');
        if (peces.size() > int(std::size(kColumnes)) + 1)
            return std::nullopt;
        Pagina& p = llista.last();
        for (int i = 0; i < peces.size(); ++i)
            if (!peces.at(i).isEmpty())
                p << text(peces.at(i), kOrigenX + (i == 0 ? 0 : kColumnes[i - 1]), y);
        y += m.linia;
    }
    return llista;
}

void preparaImpressora(QPrinter& impressora) {
    impressora.setFullPage(true);
    impressora.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(), QPageLayout::Millimeter));
}

Mesures mesures(QPrinter& impressora) {
    const double perMm = impressora.resolution() / 25.4;
    const QFontMetricsF fm(arial(), &impressora);
    return {[fm, perMm](const QString& t) { return fm.horizontalAdvance(t) / perMm; },
            fm.lineSpacing() / perMm};
}

QSizeF paper(const QPrinter& impressora) {
    return impressora.pageLayout().fullRect(QPageLayout::Millimeter).size();
}

bool imprimeix(QPrinter& impressora, const Dades& d, const QPixmap& foto) {
    const std::optional<QList<Pagina>> llista = pagines(d, paper(impressora), mesures(impressora));
    if (!llista)
        return false;
    QPainter painter;
    if (!painter.begin(&impressora))
        return false;
    const double perMm = impressora.resolution() / 25.4;
    const QFont lletra = arial();
    const double ascens = QFontMetricsF(lletra, &impressora).ascent();
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QHash<int, ImatgeSimbol> simbols;
    for (qsizetype i = 0; i < llista->size(); ++i) {
        if (i > 0 && !impressora.newPage())
            return false;
        for (const Element& e : llista->at(i)) {
            const QPointF lloc(e.x * perMm, e.y * perMm + ascens);
            switch (e.tipus) {
            case Element::Tipus::Imatge:
                painter.drawPixmap(QRectF(e.x * perMm, e.y * perMm, e.ample * perMm, e.alt * perMm),
                                   foto, QRectF(foto.rect()));
                break;
            case Element::Tipus::Simbol: {
                auto it = simbols.find(e.codi);
                if (it == simbols.end())
                    it = simbols.insert(e.codi, imatgeSimbol(e.codi, e.text, impressora));
                // On the baseline of the words around it, whatever its own font's height.
                painter.drawImage(QPointF(lloc.x(), lloc.y() - it->ascens), it->imatge);
                break;
            }
            case Element::Tipus::Text:
                painter.setFont(lletra);
                painter.drawText(lloc, e.text);
                break;
            }
        }
    }
    return painter.end();
}

} // namespace HistorialImpres
