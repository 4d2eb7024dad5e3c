#include "core/EscalaPantalla.h"

#include <QtMath>

namespace EscalaPantalla {

namespace {

constexpr int kPassosPerUnitat = 20;
constexpr int kPassosMinims = 10; // below half size nothing is legible any more

} // namespace

qreal factor(QSize disponible, QSize finestra) {
    if (disponible.isEmpty() || finestra.isEmpty())
        return 1;
    const qreal creix = qMin(qreal(disponible.width()) / kPantallaDisseny.width(),
                             qreal(disponible.height()) / kPantallaDisseny.height());
    const QSize lliure = disponible - kMarcFinestra;
    const qreal hiCap =
        qMin(qreal(lliure.width()) / finestra.width(), qreal(lliure.height()) / finestra.height());
    // Rounded down, so that the window still fits; the tiny margin absorbs binary fractions.
    const int passos = qFloor(qMin(qMax(creix, qreal(1)), hiCap) * kPassosPerUnitat + 1e-6);
    return qreal(qMax(passos, kPassosMinims)) / kPassosPerUnitat;
}

QByteArray perArrencar(QSize disponible, QSize finestra, const QByteArray& escalaUsuari,
                       const QByteArray& escalesPantalles) {
    if (!escalaUsuari.isEmpty() || !escalesPantalles.isEmpty())
        return {};
    const qreal f = factor(disponible, finestra);
    return f == 1 ? QByteArray() : QByteArray::number(f);
}

} // namespace EscalaPantalla
