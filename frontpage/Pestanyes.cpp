#include "frontpage/Pestanyes.h"

#include "frontpage/EstilPortada.h"

#include <QCursor>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

constexpr int kMargeBarra = 4;

constexpr qreal kRadi = 4;
constexpr int kBaixada = 2; // how much lower the tabs behind the current one start

// The tab row. The tabs are drawn here rather than by the style: each caption picture sits
// whole in the middle of its tab, the current tab joins the pane below it, and the one under the
// mouse lights up.
class BarraPestanyes : public QTabBar {
public:
    explicit BarraPestanyes(QWidget* parent) : QTabBar(parent) { setAttribute(Qt::WA_Hover); }

    QColor vora = Qt::gray;

protected:
    QSize tabSizeHint(int) const override {
        // The caption is a picture and the text empty: the picture and the style's padding
        // give the height, without measuring any text.
        QSize mida(0, iconSize().height() +
                          style()->pixelMetric(QStyle::PM_TabBarTabVSpace, nullptr, this));
        int visibles = 0;
        for (int i = 0; i < count(); ++i)
            visibles += isTabVisible(i) ? 1 : 0;
        if (visibles > 0 && parentWidget())
            mida.setWidth((parentWidget()->width() - kMargeBarra) / visibles);
        return mida;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor pagina = palette().color(QPalette::Window);
        const int sota = underMouse() ? tabAt(mapFromGlobal(QCursor::pos())) : -1;
        // The current tab last, over its neighbours' edges.
        for (int pas = 0; pas < 2; ++pas) {
            for (int i = 0; i < count(); ++i) {
                const bool actual = i == currentIndex();
                if (!isTabVisible(i) || actual != (pas == 1))
                    continue;
                const QRectF r =
                    QRectF(tabRect(i))
                        .adjusted(0.5, actual ? 0.5 : 0.5 + kBaixada, -0.5, actual ? 1 : 0);
                QPainterPath forma;
                forma.moveTo(r.bottomLeft());
                forma.lineTo(r.left(), r.top() + kRadi);
                forma.quadTo(r.topLeft(), QPointF(r.left() + kRadi, r.top()));
                forma.lineTo(r.right() - kRadi, r.top());
                forma.quadTo(r.topRight(), QPointF(r.right(), r.top() + kRadi));
                forma.lineTo(r.bottomRight());
                QColor fons = actual ? pagina : pagina.darker(108);
                if (!actual && i == sota)
                    fons = pagina.lighter(104);
                p.setPen(QPen(actual && hasFocus() ? EstilPortada::kFocus : vora,
                              actual && hasFocus() ? 2 : 1));
                p.setBrush(fons);
                p.drawPath(forma);
                const QPixmap imatge = tabIcon(i).pixmap(iconSize(), devicePixelRatioF());
                QRectF lloc(QPointF(), QSizeF(imatge.deviceIndependentSize()));
                lloc.moveCenter(
                    QRectF(tabRect(i)).adjusted(0, actual ? 0 : kBaixada, 0, 0).center());
                p.drawPixmap(lloc.topLeft(), imatge);
            }
        }
    }
};

} // namespace

Pestanyes::Pestanyes(QWidget* parent) : QTabWidget(parent) {
    auto* barra = new BarraPestanyes(this);
    barra->setUsesScrollButtons(false);
    barra->setElideMode(Qt::ElideNone);
    barra->setDrawBase(false);
    setTabBar(barra);
}

void Pestanyes::setVoraPanell(const QColor& vora) {
    vora_ = vora;
    static_cast<BarraPestanyes*>(tabBar())->vora = vora;
    update();
    tabBar()->update();
}

void Pestanyes::paintEvent(QPaintEvent*) {
    QStyleOptionTabWidgetFrame opcio;
    initStyleOption(&opcio);
    const QRectF panell = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &opcio, this);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(vora_, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panell.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}
