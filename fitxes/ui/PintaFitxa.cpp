#include "fitxes/ui/PintaFitxa.h"

#include "core/ui/Lletra.h"
#include "core/ui/PaginaA4.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace PintaFitxa {

namespace {

constexpr double kMmPerPolzada = 25.4;
constexpr double kGruixTinta = 0.3;       // boxes and rules, mm
constexpr double kGruixQuadricula = 0.15; // the squared grid, mm
// Light enough to write over and still see the digits, dark enough to survive a photocopy.
const QColor kGrisQuadricula(175, 175, 175);

// Millimetres on the sheet to the device's pixels, from the device's own resolution; the
// painter's origin is where the device's paintable area starts, which on a printer that cannot
// print to the edge lies a little inside the sheet.
class Escala {
public:
    explicit Escala(const QPagedPaintDevice& device)
        : x_(device.logicalDpiX() / kMmPerPolzada), y_(device.logicalDpiY() / kMmPerPolzada),
          origen_(device.pageLayout().paintRect(QPageLayout::Millimeter).topLeft()) {}
    QPointF punt(const QPointF& mm) const {
        return {(mm.x() - origen_.x()) * x_, (mm.y() - origen_.y()) * y_};
    }
    QRectF rectangle(const QRectF& mm) const {
        return {punt(mm.topLeft()), punt(mm.bottomRight())};
    }
    double gruix(double mm) const { return mm * x_; }

private:
    double x_;
    double y_;
    QPointF origen_;
};

void pintaText(QPainter& p, const QRectF& caixa, const ElementFitxa& e) {
    QFont lletra = Lletra::arial(e.punts, e.negreta);
    p.setFont(lletra);
    // A long name or phrase is drawn smaller rather than cut at the edge of its box.
    const double ample = QFontMetricsF(lletra, p.device()).horizontalAdvance(e.text);
    if (ample > caixa.width() && caixa.width() > 0) {
        lletra.setPointSizeF(e.punts * caixa.width() / ample);
        p.setFont(lletra);
    }
    p.drawText(caixa, e.alineacio, e.text);
}

void pintaQuadricula(QPainter& p, const Escala& escala, const QRectF& mm, double cella) {
    if (cella <= 0)
        return;
    p.setPen(QPen(kGrisQuadricula, escala.gruix(kGruixQuadricula)));
    // Half a hundredth of a millimetre keeps the last line when the size is a whole number of
    // squares but the sum of the steps lands a hair beyond it.
    for (double x = mm.left(); x <= mm.right() + 0.005; x += cella)
        p.drawLine(escala.punt({x, mm.top()}), escala.punt({x, mm.bottom()}));
    for (double y = mm.top(); y <= mm.bottom() + 0.005; y += cella)
        p.drawLine(escala.punt({mm.left(), y}), escala.punt({mm.right(), y}));
}

void pintaPagina(QPainter& p, const Escala& escala, const PaginaFitxa& pagina) {
    const QPen tinta(Qt::black, escala.gruix(kGruixTinta), Qt::SolidLine, Qt::SquareCap,
                     Qt::MiterJoin);
    // Grids go under everything, so a rule or a digit on top of one is never greyed out.
    for (const ElementFitxa& e : pagina.elements)
        if (e.tipus == ElementFitxa::Tipus::Quadricula)
            pintaQuadricula(p, escala, e.caixa, e.cella);
    for (const ElementFitxa& e : pagina.elements) {
        p.setPen(tinta);
        p.setBrush(Qt::NoBrush);
        switch (e.tipus) {
        case ElementFitxa::Tipus::Text:
            pintaText(p, escala.rectangle(e.caixa), e);
            break;
        case ElementFitxa::Tipus::Caixa:
            p.drawRect(escala.rectangle(e.caixa));
            break;
        case ElementFitxa::Tipus::Linia:
            p.drawLine(escala.punt(e.caixa.topLeft()), escala.punt(e.caixa.bottomRight()));
            break;
        case ElementFitxa::Tipus::Quadricula:
            break;
        }
    }
}

} // namespace

void preparaPagina(QPagedPaintDevice& device) {
    posaA4(device, QPageLayout::Portrait, 0);
}

bool pinta(QPainter& painter, QPagedPaintDevice& device, const QList<PaginaFitxa>& pagines,
           bool paginaNova) {
    const Escala escala(device);
    painter.setRenderHint(QPainter::Antialiasing);
    for (qsizetype i = 0; i < pagines.size(); ++i) {
        if ((i > 0 || paginaNova) && !device.newPage())
            return false;
        painter.save();
        pintaPagina(painter, escala, pagines.at(i));
        painter.restore();
    }
    return true;
}

} // namespace PintaFitxa
