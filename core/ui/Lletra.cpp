#include "core/ui/Lletra.h"

#include <QPaintDevice>
#include <QPainter>

namespace Lletra {

QFont arial(qreal punts, bool negreta) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punts);
    f.setBold(negreta);
    return f;
}

QFont negreta() {
    return arial(10, true);
}

qreal pixels(const QFont& lletra, const QPaintDevice& device) {
    return lletra.pixelSize() > 0 ? lletra.pixelSize()
                                  : lletra.pointSizeF() * device.logicalDpiY() / 72.0;
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

} // namespace Lletra
