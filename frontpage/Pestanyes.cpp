#include "Pestanyes.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace {

constexpr int kMargeBarra = 4;

class BarraPestanyes : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize mida = QTabBar::tabSizeHint(index);
        int visibles = 0;
        for (int i = 0; i < count(); ++i)
            visibles += isTabVisible(i) ? 1 : 0;
        if (visibles > 0 && parentWidget())
            mida.setWidth((parentWidget()->width() - kMargeBarra) / visibles);
        return mida;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

Pestanyes::Pestanyes(QWidget* parent) : QTabWidget(parent) {
    auto* barra = new BarraPestanyes(this);
    barra->setUsesScrollButtons(false);
    barra->setElideMode(Qt::ElideNone);
    barra->setDrawBase(true);
    setTabBar(barra);
}

void Pestanyes::setColorsPanell(const QColor& fons, const QColor& vora) {
    fons_ = fons;
    vora_ = vora;
    update();
}

void Pestanyes::paintEvent(QPaintEvent*) {
    QStyleOptionTabWidgetFrame opcio;
    initStyleOption(&opcio);
    const QRectF panell = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &opcio, this);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(vora_, 1));
    p.setBrush(fons_);
    p.drawRoundedRect(panell.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}
