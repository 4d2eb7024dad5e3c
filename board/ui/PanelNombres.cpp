#include "board/ui/PanelNombres.h"

#include "board/ui/PissarraEstil.h"
#include "core/ui/Lletra.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

using namespace PissarraEstil;

namespace {

// Point sizes. Romans and tables are the board's own; the words of cardinals and ordinals start
// at kPreguntaParaules and shrink until the longest phrase fits the slate.
constexpr int kPreguntaRomans = 32;
constexpr int kPreguntaTaules = 60;
constexpr int kPreguntaParaules = 28;
constexpr int kPreguntaMinima = 14;
constexpr int kSolucio = 40;
constexpr int kSolucioTaules = 60;
constexpr int kSenyal = 24;

// Places on the panel, in twips. Tables move the answer line up 500 and make it 300 taller.
constexpr int kAltPregunta = 3300;
constexpr int kMarge = 600;
constexpr int kSolucioTop = 3750;
constexpr int kSolucioAlt = 1200;
constexpr int kPujaTaules = 500;
constexpr int kCreixTaules = 300;
constexpr int kSenyalAmple = 540;
constexpr int kPerAmple = 1000;

// The cursor is a pencil waiting at the end of the answer.
const QString kLlapis = QStringLiteral("\u270E");

} // namespace

PanelNombres::PanelNombres(Activitat& activitat, FontNombres font, TipusActivitat tipus,
                           QWidget* parent)
    : PanellActivitat(activitat, parent), font_(std::move(font)), tipus_(tipus) {
    setObjectName(QStringLiteral("PanelNombres"));
    const bool taules = tipus_ == TipusActivitat::Taules;

    pregunta_ = new QLabel(this);
    pregunta_->setObjectName(QStringLiteral("Pregunta"));
    pregunta_->setAlignment(Qt::AlignCenter);
    pregunta_->setWordWrap(true);
    pregunta_->setFont(Lletra::arial(taules                             ? kPreguntaTaules
                                     : tipus_ == TipusActivitat::Romans ? kPreguntaRomans
                                                                        : kPreguntaParaules,
                                     true));
    posaColor(pregunta_, guix());

    per_ = new QLabel(QStringLiteral("="), this);
    per_->setObjectName(QStringLiteral("Per"));
    per_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    per_->setFont(Lletra::arial(kSolucioTaules, true));
    posaColor(per_, guix());
    per_->setVisible(taules);

    solucio_ = new QLabel(this);
    solucio_->setObjectName(QStringLiteral("lblSolució"));
    solucio_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    solucio_->setFont(Lletra::arial(taules ? kSolucioTaules : kSolucio, true));
    posaColor(solucio_, groc());

    senyal_ = new QLabel(kLlapis, this);
    senyal_->setObjectName(QStringLiteral("Senyal"));
    senyal_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    senyal_->setFont(simbols(kSenyal));
    posaColor(senyal_, grisSenyal());

    disposa();
    refresca();
}

void PanelNombres::disposa() {
    const int w = width();
    const bool taules = tipus_ == TipusActivitat::Taules;
    pregunta_->setGeometry(0, 0, w, tw(kAltPregunta));
    const int top = tw(kSolucioTop) - (taules ? tw(kPujaTaules) : 0);
    const int alt = tw(kSolucioAlt) + (taules ? tw(kCreixTaules) : 0);
    // A product has at most two digits: the line starts just left of the middle, after "=".
    const int esquerra = taules ? w / 2 - tw(kPerAmple) / 2 : tw(kMarge);
    solucio_->setGeometry(esquerra, top, w - esquerra - tw(kMarge) / 2, alt);
    per_->setGeometry(esquerra - tw(kPerAmple) - tw(kMarge) / 2, top, tw(kPerAmple), alt);
    senyal_->resize(tw(kSenyalAmple), alt);
    ajustaPregunta();
    refresca();
}

void PanelNombres::ajustaPregunta() {
    if (tipus_ == TipusActivitat::Taules || tipus_ == TipusActivitat::Romans)
        return;
    // Long number phrases get smaller letters rather than leaving the slate.
    QFont f = pregunta_->font();
    for (int mida = kPreguntaParaules; mida >= kPreguntaMinima; mida -= 2) {
        f.setPointSize(mida);
        const QRect r =
            QFontMetrics(f).boundingRect(QRect(0, 0, pregunta_->width(), 10000),
                                         Qt::TextWordWrap | Qt::AlignCenter, pregunta_->text());
        if (r.height() <= pregunta_->height() && r.width() <= pregunta_->width())
            break;
    }
    pregunta_->setFont(f);
}

void PanelNombres::refresca() {
    // Number words are never split at their hyphens ("TRES-CENTS"): a word joiner after each
    // hyphen leaves the spaces as the only places to wrap.
    QString pregunta = font_.pregunta();
    pregunta.replace(QStringLiteral("-"), QStringLiteral("-\u2060"));
    if (pregunta != pregunta_->text()) {
        pregunta_->setText(pregunta);
        ajustaPregunta();
    }
    const LiniaResposta& l = font_.linia();
    solucio_->setText(l.escrit());
    const int ample = QFontMetrics(solucio_->font()).horizontalAdvance(l.escrit());
    senyal_->move(solucio_->x() + ample, solucio_->y());
    posaColor(senyal_, l.senyalVermell() ? vermell() : grisSenyal());
    senyal_->setVisible(l.senyalVisible());
}

void PanelNombres::resizeEvent(QResizeEvent* e) {
    PanellActivitat::resizeEvent(e);
    disposa();
}

void PanelNombres::paintEvent(QPaintEvent*) {
    // A chalk line to write the answer on.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect r = solucio_->geometry();
    const qreal y = r.bottom() - tw(150);
    const qreal fi = tipus_ == TipusActivitat::Taules ? r.left() + tw(2400) : r.right();
    QColor c = guix();
    c.setAlpha(110);
    p.setPen(QPen(c, 2.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath linia;
    linia.moveTo(r.left(), y);
    for (qreal x = r.left() + 20; x < fi; x += 20)
        linia.lineTo(x, y + ((int(x) / 20) % 3 == 0 ? 0.8 : -0.5));
    linia.lineTo(fi, y);
    p.drawPath(linia);
}
