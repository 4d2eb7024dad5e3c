#include "LletraPortada.h"

#include <QPainter>

namespace LletraPortada {

QFont negreta() {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setBold(true);
    f.setPointSize(10);
    return f;
}

void textEscalat(QPainter& painter, const QRectF& caixa, int flags, const QString& text,
                 qreal escala) {
    if (escala <= 0)
        return;
    painter.save();
    painter.translate(caixa.topLeft());
    painter.scale(escala, escala);
    painter.drawText(QRectF(0, 0, caixa.width() / escala, caixa.height() / escala), flags, text);
    painter.restore();
}

} // namespace LletraPortada
