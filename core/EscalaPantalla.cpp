#include "core/EscalaPantalla.h"

#include <QtMath>

#include <algorithm>

namespace EscalaPantalla {

namespace {

constexpr int kPassosPerUnitat = 20;

// How many steps of 0.05 `disponible` holds of `mida` in both directions, rounded down so that
// the windows still fit; the tiny margin absorbs binary fractions.
int passos(QSize disponible, QSize mida) {
    const qreal cap =
        qMin(qreal(disponible.width()) / mida.width(), qreal(disponible.height()) / mida.height());
    return qFloor(cap * kPassosPerUnitat + 1e-6);
}

} // namespace

qreal factor(QSize disponible) {
    return qreal(qMax(passos(disponible, kPantallaDisseny), kPassosPerUnitat)) / kPassosPerUnitat;
}

qreal reduccio(QSize disponible) {
    if (disponible.isEmpty())
        return 1;
    const int p =
        std::clamp(passos(disponible, kFinestraMesGran), kPassosPerUnitat / 2, kPassosPerUnitat);
    return qreal(p) / kPassosPerUnitat;
}

QByteArray perArrencar(QSize disponible, const QByteArray& escalaUsuari,
                       const QByteArray& escalesPantalles) {
    if (!escalaUsuari.isEmpty() || !escalesPantalles.isEmpty())
        return {};
    const qreal f = factor(disponible);
    return f == 1 ? QByteArray() : QByteArray::number(f);
}

} // namespace EscalaPantalla
