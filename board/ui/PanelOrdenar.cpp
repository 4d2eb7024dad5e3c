#include "board/ui/PanelOrdenar.h"

#include "board/ui/PissarraEstil.h"
#include "core/IdsText.h"
#include "core/SoundPlayer.h"
#include "core/StringTable.h"
#include "core/ui/Lletra.h"
#include "numeration/ActivitatOrdenar.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

using namespace PissarraEstil;

namespace {

// The words stand 720 twips apart; each one is a chalk tile a little shorter than the pitch, so
// that a word is never dropped in a gap.
constexpr int kPas = 720;
constexpr int kAmple = 5400;
constexpr int kAlt = 630;
constexpr int kMida = 24; // points, bold

// What a dragged word carries: its index in the list.
const QString kMimeParaula = QStringLiteral("application/x-xifrum-paraula");

// The word that takes a drop keeps its yellow frame when it also has the focus.
QString estil(const QString& vora, const QString& fons, bool marcaFocus = true) {
    QString e = QStringLiteral("QLabel { border: %1; border-radius: 10px; background: %2; }")
                    .arg(vora, fons);
    if (marcaFocus)
        e += QStringLiteral("QLabel:focus { border: 3px solid white; }");
    return e;
}

} // namespace

PanelOrdenar::PanelOrdenar(ActivitatOrdenar& activitat, int idioma, SoundPlayer* so,
                           std::function<bool()> actiu, QWidget* parent)
    : PanellActivitat(activitat, parent), act_(activitat), idioma_(idioma), so_(so),
      actiu_(std::move(actiu)) {
    setObjectName(QStringLiteral("PanelOrdenar"));
    setAcceptDrops(true);
    for (int i = 0; i < ActivitatOrdenar::kParaules; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Paraula_%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(Lletra::arial(kMida, true));
        // Reached with Tab, so the list can be ordered without a mouse; a click leaves the focus
        // where the board keeps it.
        l->setFocusPolicy(Qt::TabFocus);
        l->installEventFilter(this);
        paraula_[i] = l;
    }
    disposa();
    refresca();
}

QString PanelOrdenar::textPersiana() const {
    return TextIdioma(IdText::kClicQuanAcabis, idioma_);
}

void PanelOrdenar::clicPersiana() {
    deixaDeTraginar();
    act_.comprova();
}

bool PanelOrdenar::editable() const {
    return act_.arrossegable() && (!actiu_ || actiu_());
}

int PanelOrdenar::index(const QObject* o) const {
    for (int i = 0; i < int(paraula_.size()); ++i)
        if (paraula_[i] == o)
            return i;
    return -1;
}

int PanelOrdenar::indexA(QPoint p) const {
    const int mig = (tw(kPas) - tw(kAlt)) / 2;
    for (int i = 0; i < int(paraula_.size()); ++i) {
        const QRect fila = paraula_[i]->geometry().adjusted(0, -mig, 0, mig);
        if (fila.contains(p))
            return i;
    }
    return -1;
}

int PanelOrdenar::origen(const QDropEvent* e) const {
    if (!editable() || !e->mimeData() || !e->mimeData()->hasFormat(kMimeParaula))
        return -1;
    // Only a word of this list may be dropped here.
    if (e->source() && index(e->source()) < 0)
        return -1;
    bool ok = false;
    const int i = e->mimeData()->data(kMimeParaula).toInt(&ok);
    return ok && i >= 0 && i < int(paraula_.size()) ? i : -1;
}

void PanelOrdenar::disposa() {
    const int ample = tw(kAmple);
    const int total = (int(paraula_.size()) - 1) * tw(kPas) + tw(kAlt);
    const int x = (width() - ample) / 2;
    const int y = (height() - total) / 2;
    for (int i = 0; i < int(paraula_.size()); ++i)
        paraula_[i]->setGeometry(x, y + i * tw(kPas), ample, tw(kAlt));
}

void PanelOrdenar::refresca() {
    // A word carried when the list stops taking drops goes back to its place.
    const bool pot = editable();
    if (!pot) {
        traginada_ = -1;
        desti_ = -1;
    }
    const auto& paraules = act_.paraules();
    for (int i = 0; i < int(paraula_.size()); ++i) {
        QLabel* l = paraula_[i];
        const QString& text = paraules[i].caption;
        l->setText(text);
        QColor c = guix();
        QString e;
        if (i == desti_ && traginada_ >= 0) {
            e = estil(QStringLiteral("3px solid #ffe36e"), QStringLiteral("rgba(255,227,110,45)"),
                      false);
        } else if (i == traginada_) {
            // The word has left its place: only its outline stays behind.
            c.setAlpha(90);
            e = estil(QStringLiteral("2px dashed rgba(246,244,234,150)"),
                      QStringLiteral("transparent"));
        } else if (text.isEmpty()) {
            e = estil(QStringLiteral("2px dashed rgba(246,244,234,90)"),
                      QStringLiteral("transparent"));
        } else {
            e = estil(QStringLiteral("2px solid rgba(246,244,234,120)"),
                      QStringLiteral("rgba(255,255,255,18)"));
        }
        if (l->styleSheet() != e)
            l->setStyleSheet(e);
        posaColor(l, c);
        l->setCursor(pot ? Qt::OpenHandCursor : Qt::ArrowCursor);
    }
}

void PanelOrdenar::deixaDeTraginar() {
    if (traginada_ < 0 && desti_ < 0)
        return;
    traginada_ = -1;
    desti_ = -1;
    refresca();
}

void PanelOrdenar::deixa(int origen, int desti) {
    // A drop that changes nothing (a word on itself) is silent.
    if (act_.deixa(origen, desti) && so_)
        so_->ReproduirSo(QStringLiteral("20"));
}

QPixmap PanelOrdenar::contorn(int i) const {
    // A tile of slate under hollow chalk letters: it looks the same whether or not the screen
    // shows a dragged picture see-through.
    const QLabel* l = paraula_[i];
    const qreal dpr = devicePixelRatioF();
    QPixmap pm(l->size() * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(verdPissarra());
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(guix(), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(l->rect()).adjusted(1, 1, -1, -1));
    QPainterPath lletres;
    lletres.addText(0, 0, l->font(), l->text());
    lletres.translate(QRectF(l->rect()).center() - lletres.boundingRect().center());
    QColor c = guix();
    c.setAlpha(60);
    p.setBrush(c);
    p.setPen(QPen(guix(), 1.6));
    p.drawPath(lletres);
    return pm;
}

void PanelOrdenar::arrossega(int origen, QPoint agafada) {
    traginada_ = origen;
    desti_ = -1;
    refresca();
    auto* drag = new QDrag(paraula_[origen]);
    auto* mime = new QMimeData;
    mime->setData(kMimeParaula, QByteArray::number(origen));
    drag->setMimeData(mime);
    drag->setPixmap(contorn(origen));
    drag->setHotSpot(agafada);
    const QPointer<PanelOrdenar> viu(this);
    drag->exec(Qt::MoveAction);
    if (viu)
        deixaDeTraginar();
}

bool PanelOrdenar::tecla(int i, int codi) {
    if (!editable())
        return false;
    const int n = int(paraula_.size());
    switch (codi) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int j = std::clamp(i + (codi == Qt::Key_Up ? -1 : 1), 0, n - 1);
        if (traginada_ >= 0)
            desti_ = j;
        paraula_[j]->setFocus(Qt::TabFocusReason);
        refresca();
        return true;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (traginada_ < 0) {
            traginada_ = i;
            desti_ = i;
            refresca();
        } else {
            const int s = traginada_;
            const int d = desti_;
            deixaDeTraginar();
            deixa(s, d);
        }
        return true;
    case Qt::Key_Escape:
        if (traginada_ < 0)
            return false;
        deixaDeTraginar();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        deixaDeTraginar();
        return false;
    default:
        return false;
    }
}

bool PanelOrdenar::eventFilter(QObject* o, QEvent* e) {
    const int i = index(o);
    if (i < 0)
        return PanellActivitat::eventFilter(o, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton || !editable())
            return false;
        deixaDeTraginar();
        premuda_ = i;
        inici_ = m->position().toPoint();
        return true;
    }
    case QEvent::MouseMove: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (premuda_ != i || !(m->buttons() & Qt::LeftButton))
            return false;
        if ((m->position().toPoint() - inici_).manhattanLength() <
            QApplication::startDragDistance())
            return true;
        premuda_ = -1;
        if (editable())
            arrossega(i, inici_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        premuda_ = -1;
        return false;
    case QEvent::KeyPress:
        return tecla(i, static_cast<QKeyEvent*>(e)->key());
    default:
        return false;
    }
}

void PanelOrdenar::dragEnterEvent(QDragEnterEvent* e) {
    if (origen(e) < 0) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
}

void PanelOrdenar::dragMoveEvent(QDragMoveEvent* e) {
    const int d = origen(e) < 0 ? -1 : indexA(e->position().toPoint());
    if (d != desti_) {
        desti_ = d;
        refresca();
    }
    if (d < 0) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
}

void PanelOrdenar::dragLeaveEvent(QDragLeaveEvent* e) {
    if (desti_ >= 0) {
        desti_ = -1;
        refresca();
    }
    PanellActivitat::dragLeaveEvent(e);
}

void PanelOrdenar::dropEvent(QDropEvent* e) {
    const int s = origen(e);
    const int d = indexA(e->position().toPoint());
    if (s < 0 || d < 0) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::MoveAction);
    e->accept();
    desti_ = -1;
    deixa(s, d);
    refresca();
}

void PanelOrdenar::resizeEvent(QResizeEvent* e) {
    PanellActivitat::resizeEvent(e);
    disposa();
}
