#include "levels/ui/InformeNivells.h"

#include "core/DigitGrouping.h"
#include "core/IdsText.h"
#include "core/Rutes.h"
#include "core/Sessio.h"
#include "core/ui/Lletra.h"
#include "core/ui/PaginaA4.h"
#include "levels/DadesNivell.h"
#include "levels/FitxerNivells.h"
#include "levels/ui/CapcaleraNivells.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace InformeNivells {

namespace {

constexpr int kLlargadaNom = 60;

// The header box and its texts.
constexpr double kCaixaEsquerra = 38;
constexpr double kCaixaDalt = 20;
constexpr double kCaixaDreta = 550;
constexpr double kCaixaBaix = 50;
constexpr double kXCapcalera = 55;
constexpr double kYCapcalera = 23;
constexpr double kXPagina = 545;

// The tables.
constexpr double kYCos = 60;
constexpr double kEntreTaules = 40;
constexpr double kXNivell = 55;
constexpr double kXTemps = 140;
constexpr double kXErrors = 220;
constexpr double kXFer = 300;
constexpr double kXParametres = 390;
constexpr double kXFiParametres = 545;
constexpr double kXRegleFi = 545;
constexpr double kPasMaxim = 18;
constexpr double kAireInferior = 10;
// The rule under the headings lies in a gap of its own below their line.
constexpr double kAireRegle = 4;
constexpr double kRegleSotaTitols = 1;
constexpr double kMargePaper = 5; // mm

Element text(const QString& t, double x, double y, double punts, Element::Alineacio alineacio,
             bool negreta = false) {
    Element e;
    e.text = t;
    e.x = x;
    e.y = y;
    e.punts = punts;
    e.alineacio = alineacio;
    e.negreta = negreta;
    return e;
}

Element linia(double x, double x2, double y) {
    Element e;
    e.tipus = Element::Linia;
    e.x = x;
    e.x2 = x2;
    e.y = e.y2 = y;
    return e;
}

Element caixa(double x, double y, double x2, double y2) {
    Element e;
    e.tipus = Element::Caixa;
    e.x = x;
    e.y = y;
    e.x2 = x2;
    e.y2 = y2;
    return e;
}

// Whether table `m` (counting from 0) of activity `a` starts a page.
bool comencaPagina(int m, TipusActivitat a) {
    return m == 0 || (m % 3 == 0 && a != TipusActivitat::Dividir);
}

} // namespace

Dades dades(const Sessio& sessio, const QString& nomJoc) {
    Dades d;
    d.capcalera = sessio.text(IdText::kNivell).toUpper() + ": " + nomJoc.left(kLlargadaNom);
    d.pagina = sessio.text(IdText::kPagina);
    d.columnes = {sessio.text(IdText::kNivellColumna), sessio.text(IdText::kTemps),
                  sessio.text(IdText::kErrors), sessio.text(IdText::kFer)};
    const QString ruta = RutaNivell(sessio.carpeta, nomJoc);
    const int separador = sessio.general.Separador;
    for (int a = 1; a <= kActivitats; ++a) {
        if (!sessio.grup.ofereix(a))
            continue;
        const TipusActivitat tipus = tipusActivitat(a);
        Taula t;
        t.activitat = tipus;
        t.titol = sessio.text(IdText::activitat(a)).toUpper();
        if (tipus == TipusActivitat::Dividir && sessio.grup.ambResta())
            t.marca = sessio.text(IdText::kAmbResta);
        const int idParametre = CapcaleraNivells::idParametre(tipus);
        t.parametres = {sessio.text(idParametre), sessio.text(idParametre + 1)};
        const int n = std::min(sessio.grup.nivells(a), kNivellsPerActivitat);
        for (int l = 1; l <= n; ++l) {
            const DadesNivell v =
                ajustaAlsRangs(a, FitxerNivells::llegeix(ruta, IndexNivell(a, l)));
            QStringList fila{QString::number(l), QString::number(v.Temps),
                             QString::number(v.Errors), QString::number(v.Fer)};
            if (esNumeracio(tipus))
                fila << DigitGrouping::group(v.Parametre1, separador)
                     << DigitGrouping::group(v.Parametre2, separador);
            else if (tipus == TipusActivitat::Sumar || tipus == TipusActivitat::Restar)
                fila << QString::number(v.Parametre1)
                     << sessio.text(v.Parametre2 == 1 ? IdText::kSi : IdText::kNo);
            else
                fila << QString::number(v.Parametre1) << QString::number(v.Parametre2);
            t.files << fila;
        }
        d.taules << t;
    }
    return d;
}

QList<Pagina> pagines(const Dades& d, double alcada) {
    // Which tables share a page, then one row spacing for the whole report that lets the fullest
    // page fit: with Dividir joining three full tables a page holds four.
    QList<QList<int>> perPagina;
    for (int m = 0; m < d.taules.size(); ++m) {
        if (comencaPagina(m, d.taules.at(m).activitat))
            perPagina.append(QList<int>());
        perPagina.last() << m;
    }
    double pas = kPasMaxim;
    for (const QList<int>& taules : perPagina) {
        int linies = 0;
        for (int m : taules)
            linies += 2 + int(d.taules.at(m).files.size());
        const double lloc =
            alcada - kYCos - kAireInferior - kEntreTaules * double(taules.size() - 1);
        pas = std::min(pas, (lloc - kAireRegle * double(taules.size())) / linies);
    }

    const double meitat = (kXParametres + kXFiParametres) / 2;
    const double centre1 = (kXParametres + meitat) / 2;
    const double centre2 = (meitat + kXFiParametres) / 2;
    QList<Pagina> pagines;
    for (const QList<int>& taules : perPagina) {
        Pagina p;
        p << caixa(kCaixaEsquerra, kCaixaDalt, kCaixaDreta, kCaixaBaix);
        p << text(d.capcalera, kXCapcalera, kYCapcalera, kPuntsCapcalera, Element::Esquerra);
        p << text(d.pagina + " " + QString::number(pagines.size() + 1), kXPagina, kYCapcalera,
                  kPuntsCapcalera, Element::Dreta);
        double y = kYCos;
        for (int m : taules) {
            const Taula& t = d.taules.at(m);
            if (m != taules.first())
                y += kEntreTaules;
            p << text(t.titol, kXNivell, y, kPuntsCos, Element::Esquerra, true);
            if (!t.marca.isEmpty())
                p << text(t.marca, kXFiParametres, y, kPuntsCos, Element::Dreta, true);
            y += pas;

            const bool rang = esNumeracio(t.activitat);
            const double xs[6] = {kXNivell,
                                  kXTemps,
                                  kXErrors,
                                  kXFer,
                                  rang ? kXParametres : centre1,
                                  rang ? kXFiParametres : centre2};
            const Element::Alineacio al[6] = {Element::Esquerra,
                                              Element::Centre,
                                              Element::Centre,
                                              Element::Centre,
                                              rang ? Element::Esquerra : Element::Centre,
                                              rang ? Element::Dreta : Element::Centre};
            const QStringList capcaleres = d.columnes + t.parametres;
            for (int c = 0; c < 6 && c < capcaleres.size(); ++c)
                p << text(capcaleres.at(c), xs[c], y, kPuntsCos, al[c]);
            y += pas;
            p << linia(kXNivell, kXRegleFi, y + kRegleSotaTitols);
            y += kAireRegle;
            for (const QStringList& fila : t.files) {
                for (int c = 0; c < 6 && c < fila.size(); ++c)
                    p << text(fila.at(c), xs[c], y, kPuntsCos, al[c]);
                y += pas;
            }
        }
        pagines << p;
    }
    return pagines;
}

void preparaImpressora(QPrinter& impressora) {
    posaA4(impressora, QPageLayout::Portrait, kMargePaper);
}

bool imprimeix(QPrinter& impressora, const Dades& d) {
    QPainter painter;
    if (!painter.begin(&impressora))
        return false;
    const double perPunt = impressora.resolution() / 72.0;
    const double alcada = impressora.pageLayout().paintRect(QPageLayout::Point).height();
    const QList<Pagina> llista = pagines(d, alcada);

    QPen ploma(Qt::black);
    ploma.setWidthF(0.6 * perPunt);
    painter.setPen(ploma);
    for (qsizetype i = 0; i < llista.size(); ++i) {
        if (i > 0 && !impressora.newPage())
            return false;
        for (const Element& e : llista.at(i)) {
            switch (e.tipus) {
            case Element::Linia:
                painter.drawLine(QPointF(e.x * perPunt, e.y * perPunt),
                                 QPointF(e.x2 * perPunt, e.y2 * perPunt));
                break;
            case Element::Caixa:
                painter.drawRect(QRectF(QPointF(e.x * perPunt, e.y * perPunt),
                                        QPointF(e.x2 * perPunt, e.y2 * perPunt)));
                break;
            case Element::Text: {
                const QFont f = Lletra::arial(e.punts, e.negreta);
                const QFontMetricsF metrics(f, &impressora);
                const double ample = metrics.horizontalAdvance(e.text);
                double x = e.x * perPunt;
                if (e.alineacio == Element::Centre)
                    x -= ample / 2;
                else if (e.alineacio == Element::Dreta)
                    x -= ample;
                painter.setFont(f);
                painter.drawText(QPointF(x, e.y * perPunt + metrics.ascent()), e.text);
                break;
            }
            }
        }
    }
    return painter.end();
}

} // namespace InformeNivells
