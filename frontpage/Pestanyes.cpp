#include "Pestanyes.h"

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
