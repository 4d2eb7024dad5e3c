#include "core/EscalaPantalla.h"

#include <QtMath>

namespace EscalaPantalla {

namespace {

constexpr int kPassosPerUnitat = 20;

} // namespace

qreal factor(QSize disponible) {
    const qreal creix = qMin(qreal(disponible.width()) / kPantallaDisseny.width(),
                             qreal(disponible.height()) / kPantallaDisseny.height());
    // Rounded down, so that the windows still fit; the tiny margin absorbs binary fractions.
    const int passos = qFloor(creix * kPassosPerUnitat + 1e-6);
    return qreal(qMax(passos, kPassosPerUnitat)) / kPassosPerUnitat;
}

QByteArray perArrencar(QSize disponible, const QByteArray& escalaUsuari,
                       const QByteArray& escalesPantalles) {
    if (!escalaUsuari.isEmpty() || !escalesPantalles.isEmpty())
        return {};
    const qreal f = factor(disponible);
    return f == 1 ? QByteArray() : QByteArray::number(f);
}

} // namespace EscalaPantalla
