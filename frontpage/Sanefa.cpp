#include "frontpage/Sanefa.h"

#include "core/ui/Lletra.h"
#include "frontpage/ImatgesPortada.h"

#include <QPainter>

namespace {

const QString kSignes = QStringLiteral("123+456\u2212789\u00D70\u00F7");
const QColor kColors[] = {QColor(0xE4, 0x57, 0x2E), QColor(0xF2, 0xA5, 0x41),
                          QColor(0x3B, 0xA5, 0x5C), QColor(0x3B, 0x7D, 0xD8),
                          QColor(0x9B, 0x5D, 0xE5)};
constexpr qreal kEspai = 0.18; // gap between blocks, as a part of a block's side

} // namespace

Sanefa::Sanefa(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Sanefa::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int n = int(kSignes.size());
    const qreal costat = qMin<qreal>(height() - 4, width() / (n + (n - 1) * kEspai));
    const qreal pas = costat * (1 + kEspai);
    const qreal x0 = (width() - (n * costat + (n - 1) * costat * kEspai)) / 2;
    const qreal y0 = (height() - costat) / 2;
    const QFont f = Lletra::negreta();
    p.setFont(f);
    const QFontMetricsF m(f, this);
    // The signs are 62 % of a block high: the face is scaled to that size.
    const qreal escala = costat * 0.62 / Lletra::pixels(f, *this);
    for (int i = 0; i < n; ++i) {
        const QColor c = kColors[i % std::size(kColors)];
        // Every other block sits a little lower, as if stacked by hand.
        const QRectF bloc(x0 + i * pas, y0 + (i % 2 ? costat * 0.06 : -costat * 0.06), costat,
                          costat);
        ImatgesPortada::pintaTargeta(p, bloc, costat * 0.18, c.lighter(115), c.darker(135),
                                     qMax<qreal>(1, costat * 0.05));
        p.setPen(Qt::white);
        const QString signe = kSignes.mid(i, 1);
        p.save();
        p.translate(bloc.center());
        p.scale(escala, escala);
        p.drawText(QPointF(-m.horizontalAdvance(signe) / 2, (m.ascent() - m.descent()) / 2), signe);
        p.restore();
    }
}
