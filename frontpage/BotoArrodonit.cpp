#include "frontpage/BotoArrodonit.h"

#include "frontpage/ImatgesPortada.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kEspai = 6; // between the icon and the text

} // namespace

BotoArrodonit::BotoArrodonit(const Estil& estil, QWidget* parent)
    : QPushButton(parent), estil_(estil) {
    setAttribute(Qt::WA_Hover);
}

void BotoArrodonit::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor fons = estil_.fons;
    QColor vora = estil_.vora;
    qreal gruix = estil_.gruix;
    if (!isEnabled()) {
        fons = estil_.inactiu;
        vora = estil_.voraInactiva;
    } else if (isDown()) {
        fons = estil_.premut;
    } else if (underMouse()) {
        fons = estil_.sobre;
    }
    if (hasFocus()) {
        vora = estil_.focus;
        gruix = estil_.gruixFocus;
    }
    const qreal m = gruix / 2;
    ImatgesPortada::pintaTargeta(p, QRectF(rect()).adjusted(m, m, -m, -m), estil_.radi, fons, vora,
                                 gruix);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QSize mida = iconSize();
    const QString text = this->text();
    const int ampleText = text.isEmpty() ? 0 : fontMetrics().horizontalAdvance(text);
    const int ample =
        icon().isNull() ? ampleText : mida.width() + (text.isEmpty() ? 0 : kEspai + ampleText);
    int x = (width() - ample) / 2;
    if (!icon().isNull()) {
        const QRect lloc(x, (height() - mida.height()) / 2, mida.width(), mida.height());
        icon().paint(&p, lloc, Qt::AlignCenter, mode);
        x += mida.width() + kEspai;
    }
    if (!text.isEmpty()) {
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
        p.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void BotoArrodonit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
