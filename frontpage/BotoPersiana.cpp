#include "frontpage/BotoPersiana.h"

#include "core/ui/Units.h"
#include "frontpage/EstilPortada.h"

#include <QKeyEvent>
#include <QPainter>

#include <utility>

namespace {

constexpr int kMsPerPas = 12;
constexpr qreal kLama = 7; // slat pitch, logical pixels
const QColor kFusta(0xE0, 0xA8, 0x6A);
const QColor kRatlla(0xA8, 0x6A, 0x32);

} // namespace

BotoPersiana::BotoPersiana(Qt::Orientation orientacio, QWidget* parent)
    : QAbstractButton(parent), orientacio_(orientacio) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    temporitzador_.setInterval(kMsPerPas);
    connect(&temporitzador_, &QTimer::timeout, this, &BotoPersiana::seguentPas);
}

void BotoPersiana::setMida(int twips) {
    mida_ = twips;
    if (orientacio_ == Qt::Vertical)
        resize(width(), tw(twips));
    else
        resize(tw(twips), height());
}

void BotoPersiana::mou(const QList<int>& passos, bool obrir, std::function<void()> final) {
    if (passos.isEmpty())
        return;
    oberta_ = obrir;
    passos_ = passos;
    final_ = std::move(final);
    if (animacio_) {
        seguentPas();
        if (!passos_.isEmpty())
            temporitzador_.start();
    } else {
        acaba();
    }
}

void BotoPersiana::seguentPas() {
    if (passos_.isEmpty()) {
        temporitzador_.stop();
        return;
    }
    setMida(passos_.takeFirst());
    if (passos_.isEmpty()) {
        temporitzador_.stop();
        if (auto final = std::exchange(final_, nullptr))
            final();
    }
}

void BotoPersiana::acaba() {
    if (passos_.isEmpty())
        return;
    const int ultim = passos_.constLast();
    passos_ = {ultim};
    seguentPas();
}

void BotoPersiana::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(kRatlla, 1));
    p.setBrush(isDown() ? kFusta.darker(110) : kFusta);
    p.drawRoundedRect(r, 4, 4);
    // Slats across the direction the blind rolls in.
    p.setPen(QPen(kRatlla, 1));
    if (orientacio_ == Qt::Vertical) {
        for (qreal y = r.bottom() - kLama; y > r.top() + 2; y -= kLama)
            p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
    } else {
        for (qreal x = r.right() - kLama; x > r.left() + 2; x -= kLama)
            p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom() - 3));
    }
    if (hasFocus()) {
        p.setPen(QPen(EstilPortada::kFocus, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    }
}

void BotoPersiana::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
