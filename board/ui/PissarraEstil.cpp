#include "board/ui/PissarraEstil.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QWidget>

namespace PissarraEstil {

QColor verdPissarra() {
    return QColor(0x23, 0x4a, 0x36);
}

QColor guix() {
    return QColor(0xf6, 0xf4, 0xea);
}

QColor groc() {
    return colorBgr(65535);
}

QColor grisEspera() {
    return colorBgr(0xC0C0C0);
}

QColor grisSenyal() {
    return colorBgr(0xE0E0E0);
}

QColor vermell() {
    return colorBgr(255);
}

QFont emoji(qreal punts) {
    QFont f(QStringLiteral("Noto Color Emoji"));
    f.setPointSizeF(punts);
    return f;
}

QFont rodona(qreal punts, bool negreta) {
    static const bool teGothic = QFontDatabase::families().contains(QStringLiteral("URW Gothic"));
    QFont f(teGothic ? QStringLiteral("URW Gothic") : QStringLiteral("Liberation Sans"));
    f.setPointSizeF(punts);
    f.setBold(negreta);
    return f;
}

QFont simbols(qreal punts) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(punts);
    return f;
}

void posaColor(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

QColor colorDe(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

namespace {

// The same grain and chalk dust at every repaint: the furniture must not shimmer.
constexpr quint32 kLlavorDibuix = 20011205;

void pintaFustaRect(QPainter& p, const QRectF& r, QRandomGenerator& g, bool vertical) {
    QLinearGradient grad(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
    grad.setColorAt(0, QColor(0xb0, 0x74, 0x3e));
    grad.setColorAt(0.45, QColor(0x9a, 0x5f, 0x2e));
    grad.setColorAt(1, QColor(0x74, 0x44, 0x1e));
    p.fillRect(r, grad);
    p.save();
    p.setClipRect(r);
    const int vetes = int((vertical ? r.width() : r.height()) / 3) + 2;
    for (int i = 0; i < vetes; ++i) {
        QPainterPath veta;
        const qreal off = g.bounded(1.0) * (vertical ? r.width() : r.height());
        const qreal amp = 0.6 + g.bounded(2.0);
        const qreal llarg = vertical ? r.height() : r.width();
        for (qreal t = 0; t <= llarg; t += 12) {
            const qreal d = off + amp * std::sin(t / (30 + 20 * g.bounded(1.0)) + i);
            const QPointF pt =
                vertical ? QPointF(r.left() + d, r.top() + t) : QPointF(r.left() + t, r.top() + d);
            if (t == 0)
                veta.moveTo(pt);
            else
                veta.lineTo(pt);
        }
        p.setPen(QPen(QColor(0x5a, 0x33, 0x14, 40 + g.bounded(50)), 0.6 + g.bounded(1.0)));
        p.drawPath(veta);
    }
    p.restore();
}

} // namespace

void pintaParet(QPainter& p, const QRectF& r) {
    QLinearGradient grad(r.topLeft(), r.bottomLeft());
    grad.setColorAt(0, QColor(0xfb, 0xee, 0xc8));
    grad.setColorAt(1, QColor(0xf1, 0xd9, 0xa6));
    p.fillRect(r, grad);
    // A skirting board along the bottom of the wall.
    const QRectF socol(r.left(), r.bottom() - 10, r.width(), 10);
    p.fillRect(socol, QColor(0xc9, 0x9a, 0x5c));
}

void pintaFitxa(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r.translated(3, 4), 14, 14);
    QLinearGradient grad(r.topLeft(), r.bottomLeft());
    grad.setColorAt(0, QColor(0xff, 0xff, 0xf6));
    grad.setColorAt(1, QColor(0xfa, 0xf0, 0xd2));
    p.setBrush(grad);
    p.setPen(QPen(QColor(0xd8, 0xb8, 0x7a), 2));
    p.drawRoundedRect(r, 14, 14);
    // A red pin holds the card to the wall.
    const QPointF pin(r.center().x(), r.top() + 8);
    QRadialGradient cap(pin + QPointF(-2, -2), 8);
    cap.setColorAt(0, QColor(0xff, 0x8a, 0x80));
    cap.setColorAt(1, QColor(0xc6, 0x28, 0x28));
    p.setPen(Qt::NoPen);
    p.setBrush(cap);
    p.drawEllipse(pin, 7, 7);
    p.restore();
}

void pintaPissarra(QPainter& p, const QRectF& marc, const QRectF& llosa) {
    QRandomGenerator g(kLlavorDibuix);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);

    // Shadow on the wall, then the four planks of the frame.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(marc.translated(5, 6), 8, 8);
    pintaFustaRect(p, QRectF(marc.left(), marc.top(), marc.width(), llosa.top() - marc.top()), g,
                   false);
    pintaFustaRect(
        p, QRectF(marc.left(), llosa.bottom(), marc.width(), marc.bottom() - llosa.bottom()), g,
        false);
    pintaFustaRect(p, QRectF(marc.left(), llosa.top(), llosa.left() - marc.left(), llosa.height()),
                   g, true);
    pintaFustaRect(p,
                   QRectF(llosa.right(), llosa.top(), marc.right() - llosa.right(), llosa.height()),
                   g, true);
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x10), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(marc);

    // The slate: dark green, lighter where it has been wiped, with a haze of old chalk.
    QRadialGradient fons(llosa.center(), llosa.width() * 0.7);
    fons.setColorAt(0, verdPissarra().lighter(112));
    fons.setColorAt(1, verdPissarra().darker(110));
    p.fillRect(llosa, fons);
    p.save();
    p.setClipRect(llosa);
    // Wide faint strokes where a sponge has wiped the slate.
    for (int i = 0; i < 14; ++i) {
        const QPointF c(llosa.left() + g.bounded(1.0) * llosa.width(),
                        llosa.top() + g.bounded(1.0) * llosa.height());
        const qreal rx = 60 + g.bounded(110.0);
        const qreal ry = 14 + g.bounded(22.0);
        QRadialGradient pols(c, rx);
        pols.setColorAt(0, QColor(255, 255, 255, 9 + g.bounded(7)));
        pols.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(pols);
        p.drawEllipse(c, rx, ry);
    }
    p.restore();
    p.setPen(QPen(QColor(0, 0, 0, 90), 2));
    p.drawRect(llosa.adjusted(1, 1, -1, -1));

    // The chalk tray with a stick of chalk and a sponge.
    const QRectF safata(marc.left() + 20, marc.bottom() - 6, marc.width() - 40, 14);
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x10), 1));
    QLinearGradient gs(safata.topLeft(), safata.bottomLeft());
    gs.setColorAt(0, QColor(0xc0, 0x84, 0x4c));
    gs.setColorAt(1, QColor(0x6e, 0x40, 0x1c));
    p.setBrush(gs);
    p.drawRoundedRect(safata, 4, 4);
    p.setPen(QPen(QColor(0xb8, 0xb4, 0xa8), 1));
    p.setBrush(guix());
    p.drawRoundedRect(QRectF(safata.left() + 60, safata.top() - 7, 54, 10), 4, 4);
    p.setBrush(QColor(0xf0, 0xa8, 0xb8));
    p.drawRoundedRect(QRectF(safata.left() + 124, safata.top() - 6, 30, 9), 4, 4);
    p.setPen(QPen(QColor(0x5b, 0x3c, 0x1e), 1));
    p.setBrush(QColor(0x3d, 0x6a, 0xb8));
    p.drawRoundedRect(QRectF(safata.right() - 130, safata.top() - 14, 76, 18), 5, 5);
    p.setBrush(QColor(0xe8, 0xd8, 0x9a));
    p.drawRoundedRect(QRectF(safata.right() - 130, safata.top() - 6, 76, 10), 3, 3);
    p.restore();
}

void pintaMarcVista(QPainter& p, const QRectF& marc, const QRectF& vista) {
    QRandomGenerator g(kLlavorDibuix + 1);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(marc.translated(4, 5), 6, 6);
    QPainterPath fusta;
    fusta.addRect(marc);
    QPainterPath forat;
    forat.addRect(vista);
    p.save();
    p.setClipPath(fusta.subtracted(forat));
    pintaFustaRect(p, marc, g, false);
    p.restore();
    // The roller box at the top, where the blind rolls in.
    const QRectF caixa(marc.left(), marc.top(), marc.width(), vista.top() - marc.top());
    pintaFustaRect(p, caixa, g, false);
    p.setPen(QPen(QColor(0x4a, 0x2a, 0x10), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(marc);
    p.drawRect(vista);
    p.restore();
}

void pintaVista(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(r);
    QLinearGradient cel(r.topLeft(), r.bottomLeft());
    cel.setColorAt(0, QColor(0x5f, 0xb6, 0xf0));
    cel.setColorAt(1, QColor(0xc8, 0xea, 0xfd));
    p.fillRect(r, cel);

    // Sun
    const QPointF sol(r.left() + r.width() * 0.74, r.top() + r.height() * 0.22);
    p.setPen(QPen(QColor(0xff, 0xc8, 0x2a), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        p.drawLine(sol + QPointF(std::cos(a), std::sin(a)) * 27,
                   sol + QPointF(std::cos(a), std::sin(a)) * 36);
    }
    QRadialGradient gs(sol, 22);
    gs.setColorAt(0, QColor(0xff, 0xf1, 0x76));
    gs.setColorAt(1, QColor(0xff, 0xc1, 0x07));
    p.setPen(Qt::NoPen);
    p.setBrush(gs);
    p.drawEllipse(sol, 21, 21);

    // A cloud
    p.setBrush(QColor(255, 255, 255, 235));
    const QPointF nu(r.left() + r.width() * 0.28, r.top() + r.height() * 0.3);
    p.drawEllipse(nu, 26, 15);
    p.drawEllipse(nu + QPointF(22, -8), 20, 15);
    p.drawEllipse(nu + QPointF(40, 2), 20, 12);

    // Hills
    QPainterPath turo1;
    turo1.moveTo(r.left(), r.bottom() - r.height() * 0.32);
    turo1.cubicTo(r.left() + r.width() * 0.3, r.bottom() - r.height() * 0.48,
                  r.left() + r.width() * 0.55, r.bottom() - r.height() * 0.22, r.right(),
                  r.bottom() - r.height() * 0.36);
    turo1.lineTo(r.bottomRight());
    turo1.lineTo(r.bottomLeft());
    p.setBrush(QColor(0x7c, 0xc5, 0x5a));
    p.drawPath(turo1);
    QPainterPath turo2;
    turo2.moveTo(r.left(), r.bottom() - r.height() * 0.14);
    turo2.cubicTo(r.left() + r.width() * 0.4, r.bottom() - r.height() * 0.26,
                  r.left() + r.width() * 0.7, r.bottom() - r.height() * 0.08, r.right(),
                  r.bottom() - r.height() * 0.18);
    turo2.lineTo(r.bottomRight());
    turo2.lineTo(r.bottomLeft());
    p.setBrush(QColor(0x4f, 0xa8, 0x3c));
    p.drawPath(turo2);

    // A tree
    const QPointF arbre(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.3);
    p.setBrush(QColor(0x8a, 0x5a, 0x2b));
    p.drawRect(QRectF(arbre.x() - 5, arbre.y() - 10, 10, 34));
    p.setBrush(QColor(0x2f, 0x8a, 0x3a));
    p.drawEllipse(arbre + QPointF(0, -30), 26, 26);
    p.setBrush(QColor(0x3f, 0x9e, 0x46));
    p.drawEllipse(arbre + QPointF(-12, -38), 15, 15);
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    for (const QPointF d : {QPointF(-10, -24), QPointF(9, -34), QPointF(12, -18)})
        p.drawEllipse(arbre + d, 3.5, 3.5);

    // The window's cross bars
    p.setPen(QPen(QColor(0xf4, 0xf1, 0xe6), 5));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.restore();
}

void pintaPersiana(QPainter& p, const QRectF& vista, int alcada) {
    if (alcada <= 0)
        return;
    const QRectF r(vista.left(), vista.top(), vista.width(), alcada);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(r.adjusted(0, 0, 0, 1));
    // Slats hang from the roller, so they keep their size as the blind moves.
    constexpr qreal kLama = 12;
    for (qreal y = r.bottom() - kLama; y > r.top() - kLama; y -= kLama) {
        QLinearGradient g(QPointF(0, y), QPointF(0, y + kLama));
        g.setColorAt(0, QColor(0xfb, 0xf3, 0xdc));
        g.setColorAt(0.7, QColor(0xee, 0xdf, 0xb8));
        g.setColorAt(1, QColor(0xc9, 0xb2, 0x80));
        p.fillRect(QRectF(r.left(), y, r.width(), kLama), g);
    }
    p.setPen(QPen(QColor(0xb8, 0x9c, 0x66), 1));
    p.drawLine(QPointF(r.left() + r.width() * 0.2, r.top()),
               QPointF(r.left() + r.width() * 0.2, r.bottom()));
    p.drawLine(QPointF(r.left() + r.width() * 0.8, r.top()),
               QPointF(r.left() + r.width() * 0.8, r.bottom()));
    // The bottom bar of the blind.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0x6a, 0x36));
    p.drawRoundedRect(QRectF(r.left() - 1, r.bottom() - 5, r.width() + 2, 6), 2, 2);
    p.restore();
}

void pintaMarcador(QPainter& p, const QRectF& r, int alcadaGran) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(r.translated(3, 4), 12, 12);
    QLinearGradient g(r.topLeft(), QPointF(r.left(), r.top() + alcadaGran));
    g.setColorAt(0, QColor(0x2a, 0x4f, 0x8f));
    g.setColorAt(1, QColor(0x17, 0x30, 0x5e));
    p.setBrush(g);
    p.setPen(QPen(QColor(0xe6, 0xb4, 0x3c), 3));
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 12, 12);
    p.restore();
}

QString estilTecles() {
    return QStringLiteral(
        "QPushButton {"
        "  color: #1b3a6b;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffdf4, stop:1 #f6dca2);"
        "  border: 2px solid #9a6a36; border-bottom: 6px solid #7a4c20; border-radius: 14px;"
        "}"
        "QPushButton:hover {"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #fbe6b6);"
        "}"
        "QPushButton:pressed {"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f2d48e, stop:1 #fff3d2);"
        "  border-bottom: 2px solid #7a4c20; margin-top: 4px;"
        "}"
        "QPushButton:disabled {"
        "  color: #b4a78c; background: #efe7d6; border-color: #cbb894;"
        "}");
}

QString estilBotons() {
    return QStringLiteral(
        "QPushButton#BtAjuda, QPushButton#BtEspera_0, QPushButton#BtEspera_1,"
        "QPushButton#BtTancar {"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffdf4, stop:1 #f6dca2);"
        "  border: 2px solid #9a6a36; border-bottom: 6px solid #7a4c20; border-radius: 18px;"
        "  color: #1b3a6b;"
        "}"
        "QPushButton#BtAjuda {"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffb74d, stop:1 #f57c00);"
        "  border-color: #b45309; color: white;"
        "}"
        "QPushButton#BtAjuda:disabled { background: #f3d3a8; color: #fff7ea; }"
        "QPushButton:pressed { border-bottom-width: 2px; margin-top: 4px; }"
        "QPushButton:focus { outline: none; border-color: #1e63c8; }"
        "QPushButton#BtTxt {"
        "  color: #3b2a12;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff9c4, stop:1 #ffe36e);"
        "  border: 2px solid #c9a227; border-bottom: 6px solid #a8841a; border-radius: 10px;"
        "  padding: 4px 14px;"
        "}"
        "QPushButton#BtTxt:pressed { border-bottom-width: 2px; margin-top: 4px; }"
        "QToolTip { font-size: 12pt; }");
}

QString estilRodets() {
    return QStringLiteral("QPushButton#Persiana, QPushButton#Marcador {"
                          "  background: transparent; border: none; color: #5a3a14;"
                          "}");
}

QString estilImatge() {
    return QStringLiteral("QPushButton#Imatge {"
                          "  background: white; border: 3px solid #d9b56d; border-radius: 10px;"
                          "}");
}

} // namespace PissarraEstil
