#include "board/ui/MarcaFocus.h"

#include <QFocusEvent>
#include <QPainter>

namespace {

constexpr int kGruix = 3; // the yellow ring
constexpr int kVora = 2;  // the dark edge on either side of it
constexpr int kMarge = kGruix + 2 * kVora;
constexpr qreal kRadi = 12;

const QColor kGroc(0xFF, 0xD4, 0x00);
const QColor kFosc(0x10, 0x1C, 0x3C);

} // namespace

MarcaFocus::MarcaFocus(QWidget* finestra) : QWidget(finestra) {
    setObjectName(QStringLiteral("MarcaFocus"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void MarcaFocus::vigila(QWidget* control) {
    control->installEventFilter(this);
}

bool MarcaFocus::eventFilter(QObject* objecte, QEvent* event) {
    auto* control = static_cast<QWidget*>(objecte);
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
        if (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::ShortcutFocusReason)
            envolta(control);
        else
            hide();
        break;
    }
    case QEvent::FocusOut:
        hide();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The blind and the scoreboard roll while they may have the focus.
        if (isVisible() && control->hasFocus())
            envolta(control);
        break;
    case QEvent::Hide:
        if (control->hasFocus())
            hide();
        break;
    default:
        break;
    }
    return false;
}

void MarcaFocus::envolta(QWidget* control) {
    const QRect r(control->mapTo(parentWidget(), QPoint(0, 0)), control->size());
    setGeometry(r.adjusted(-kMarge, -kMarge, kMarge, kMarge));
    raise();
    show();
    update();
}

void MarcaFocus::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal mig = kMarge / 2.0;
    const QRectF anell = QRectF(rect()).adjusted(mig, mig, -mig, -mig);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFosc, kMarge));
    p.drawRoundedRect(anell, kRadi, kRadi);
    p.setPen(QPen(kGroc, kGruix));
    p.drawRoundedRect(anell, kRadi, kRadi);
}
