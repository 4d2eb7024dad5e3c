#include "frontpage/BotoGrup.h"

#include "core/ui/Lletra.h"
#include "frontpage/AnimalsGrups.h"
#include "frontpage/EstilPortada.h"
#include "frontpage/ImatgesPortada.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kVoraGrup(0xE3, 0xB5, 0x65);
const QColor kTextGrup(0x3A, 0x2A, 0x10);
const QColor kSeleccionat(0, 0, 255); // the chosen group, as the program always showed it

constexpr qreal kMarge = 3;
constexpr qreal kRadi = 9;
// The name is drawn at the face's own size or, stepping down by a tenth, as small as 60 %.
constexpr int kPassos = 5;

// The largest scale of `lletra` at which `text` fits `caixa` in at most two lines, breaking only
// between words; the smallest scale when nothing fits.
qreal escalaQueHiCap(const QFont& lletra, const QString& text, const QRectF& caixa) {
    const QFontMetricsF m(lletra);
    qreal escala = 1.0;
    for (int pas = 0; pas < kPassos; ++pas) {
        escala = 1.0 - pas / 10.0;
        const QRectF espai(0, 0, caixa.width() / escala, caixa.height() / escala);
        const QRectF ocupat = m.boundingRect(espai, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (ocupat.width() <= espai.width() && ocupat.height() <= espai.height())
            return escala;
    }
    return escala;
}

} // namespace

BotoGrup::BotoGrup(int grup, QWidget* parent) : QAbstractButton(parent), grup_(grup) {
    setObjectName(QStringLiteral("Grup_%1").arg(grup));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setSeleccionat(false);
}

void BotoGrup::setNom(const QString& nom) {
    nom_ = nom;
    setAccessibleName(nom);
    update();
}

void BotoGrup::setSeleccionat(bool seleccionat) {
    seleccionat_ = seleccionat;
    QPalette p = palette();
    p.setColor(QPalette::Button, seleccionat ? kSeleccionat : EstilPortada::kCarta);
    p.setColor(QPalette::ButtonText, seleccionat ? Qt::white : kTextGrup);
    setPalette(p);
    update();
}

QSize BotoGrup::sizeHint() const {
    return {81, 97};
}

void BotoGrup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF carta = QRectF(rect()).adjusted(kMarge, kMarge, -kMarge, -kMarge);
    QColor fons = palette().color(QPalette::Button);
    if (isDown())
        fons = fons.darker(115);
    else if (sobre_ && !seleccionat_)
        fons = QColor(0xFF, 0xF0, 0xC8);
    ImatgesPortada::pintaTargeta(p, carta, kRadi, fons,
                                 hasFocus() ? EstilPortada::kFocus
                                            : (seleccionat_ ? kSeleccionat.darker(150) : kVoraGrup),
                                 hasFocus() ? 3 : 1.5);

    const qreal costat = qMin(carta.width() - 8, carta.height() * 0.6);
    const QRectF imatge(carta.center().x() - costat / 2, carta.top() + 4, costat, costat);
    if (seleccionat_) {
        // A light disc behind the animal keeps dark animals visible on the blue.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 225));
        p.drawEllipse(imatge.adjusted(-1, -1, 1, 1));
    }
    p.drawPixmap(imatge.toRect(),
                 AnimalsGrups::imatge(grup_, nom_, qRound(costat), devicePixelRatioF()));

    const QRectF text(carta.left() + 1, imatge.bottom() + 1, carta.width() - 2,
                      carta.bottom() - imatge.bottom() - 3);
    const QFont lletra = Lletra::negreta();
    p.setFont(lletra);
    p.setPen(palette().color(QPalette::ButtonText));
    Lletra::textEscalat(p, text, Qt::AlignCenter | Qt::TextWordWrap, nom_,
                        escalaQueHiCap(lletra, nom_, text));
}

void BotoGrup::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void BotoGrup::enterEvent(QEnterEvent* event) {
    sobre_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void BotoGrup::leaveEvent(QEvent* event) {
    sobre_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
