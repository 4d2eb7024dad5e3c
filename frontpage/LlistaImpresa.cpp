#include "frontpage/LlistaImpresa.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/TipusActivitat.h"
#include "core/ui/Lletra.h"
#include "core/ui/PaginaA4.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace LlistaImpresa {

namespace {

constexpr double kXNumero = 12;
constexpr double kXNom = 22;
constexpr double kXActivitats = 134;
constexpr double kSeparacio = 3;
constexpr double kXRegleInici = 21;
constexpr double kXRegleFi = 275;
constexpr double kYCapcalera = 9;
constexpr double kYRegleCapcalera = 15;
constexpr double kYTitols = 16;
constexpr double kPasLinia = 5;
constexpr double kRegleSotaLinia = 4;
constexpr double kMargeInferior = 25;
constexpr double kAireLinia = 1;
constexpr double kMargePaper = 5;

Element text(const QString& t, double x, double y, double punts) {
    Element e;
    e.text = t;
    e.x = x;
    e.y = y;
    e.punts = punts;
    return e;
}

Element regle(double y) {
    Element e;
    e.tipus = Element::Tipus::Linia;
    e.x = kXRegleInici;
    e.x2 = kXRegleFi;
    e.y = y;
    return e;
}

} // namespace

Dades recull(const Sessio& sessio, const QList<FilaAlumne>& files, const QDate& avui) {
    Dades d;
    d.titol = sessio.text(IdText::kPrograma);
    d.grup = sessio.nomGrup(sessio.general.GrupActual);
    d.nivell = TextUtil::trimSpaces(sessio.grup.NomNivell);
    d.data = avui.toString(QStringLiteral("dd/MM/yyyy"));
    d.pagina = sessio.text(IdText::kPagina);
    d.capNumero = sessio.text(IdText::kNum);
    d.capNom = sessio.text(IdText::kNomColumna);
    for (int a = 1; a <= kActivitats; ++a)
        d.activitats << sessio.text(IdText::activitat(a));
    d.incloses = sessio.grup.Activitats;
    d.files = files;
    return d;
}

QList<Pagina> pagines(const Dades& d, double alcada, const Mesura& mesura) {
    // Where each activity's heading starts and how wide it is: the levels centre under them.
    QList<double> xs, amples;
    double x = kXActivitats;
    for (const QString& nom : d.activitats) {
        const double ample = mesura(nom, kPuntsLlista);
        xs << x;
        amples << ample;
        x += ample + kSeparacio;
    }

    QList<Pagina> pagines;
    auto comencaPagina = [&] {
        Pagina p;
        p << text(d.titol + " > " + d.grup + " (" + d.nivell + ")", kXNumero, kYCapcalera,
                  kPuntsCapcalera);
        const QString dreta = d.data + ". " + d.pagina + " " + QString::number(pagines.size() + 1);
        p << text(dreta, kXRegleFi - mesura(dreta, kPuntsCapcalera), kYCapcalera, kPuntsCapcalera);
        p << regle(kYRegleCapcalera);
        p << text(d.capNumero, kXNumero, kYTitols, kPuntsLlista);
        p << text(d.capNom, kXNom, kYTitols, kPuntsLlista);
        for (int a = 0; a < d.activitats.size(); ++a)
            p << text(d.activitats.at(a), xs.at(a), kYTitols, kPuntsLlista);
        pagines << p;
    };

    comencaPagina();
    double y = kYTitols + kPasLinia;
    for (const FilaAlumne& fila : d.files) {
        if (y + kAireLinia > alcada - kMargeInferior) {
            comencaPagina();
            y = kYTitols + kPasLinia;
        }
        Pagina& p = pagines.last();
        p << text(fila.value(LlistaAlumnes::kColNumero), kXNumero, y, kPuntsLlista);
        p << text(TextUtil::trimSpaces(fila.value(LlistaAlumnes::kColNom)), kXNom, y, kPuntsLlista);
        for (int a = 0; a < d.activitats.size(); ++a) {
            const bool inclosa = d.incloses.size() > a && d.incloses.at(a) == '1';
            const QString nivell =
                inclosa ? fila.value(LlistaAlumnes::kColNivell1 + a) : QStringLiteral("-");
            const QString mostrat =
                LlistaAlumnes::nivellDeText(nivell) == 0 ? QStringLiteral("-") : nivell;
            const double ample = mesura(mostrat, kPuntsLlista);
            p << text(mostrat, xs.at(a) + (amples.at(a) - ample) / 2, y, kPuntsLlista);
        }
        p << regle(y + kRegleSotaLinia);
        y += kPasLinia;
    }
    return pagines;
}

void preparaImpressora(QPrinter& impressora) {
    posaA4(impressora, QPageLayout::Landscape, kMargePaper);
}

bool imprimeix(QPrinter& impressora, const Dades& d) {
    QPainter painter;
    if (!painter.begin(&impressora))
        return false;
    const double perMm = impressora.resolution() / 25.4;
    const Mesura mesura = [&](const QString& t, double punts) {
        return QFontMetricsF(Lletra::arial(punts), &impressora).horizontalAdvance(t) / perMm;
    };
    const double alcada = impressora.pageLayout().paintRect(QPageLayout::Millimeter).height();
    const QList<Pagina> llista = pagines(d, alcada, mesura);

    QPen ploma(Qt::black);
    ploma.setWidthF(0.2 * perMm);
    painter.setPen(ploma);
    for (qsizetype i = 0; i < llista.size(); ++i) {
        if (i > 0 && !impressora.newPage())
            return false;
        for (const Element& e : llista.at(i)) {
            if (e.tipus == Element::Tipus::Linia) {
                painter.drawLine(QPointF(e.x * perMm, e.y * perMm),
                                 QPointF(e.x2 * perMm, e.y * perMm));
                continue;
            }
            const QFont f = Lletra::arial(e.punts);
            painter.setFont(f);
            const double ascent = QFontMetricsF(f, &impressora).ascent();
            painter.drawText(QPointF(e.x * perMm, e.y * perMm + ascent), e.text);
        }
    }
    return painter.end();
}

} // namespace LlistaImpresa
