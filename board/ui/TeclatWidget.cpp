#include "board/ui/TeclatWidget.h"

#include "board/Teclats.h"
#include "board/ui/PissarraEstil.h"
#include "core/ui/Lletra.h"

#include <QPushButton>

using namespace PissarraEstil;

namespace {

struct LlocTecla {
    int index;
    int fila;
    int columna;
    int ample = 1; // columns taken
};

// Keypads as on a calculator, 7-8-9 on top; the 0 takes the width the extra key leaves.
const QList<LlocTecla> kDigits = {{7, 0, 0}, {8, 0, 1}, {9, 0, 2}, {4, 1, 0}, {5, 1, 1},
                                  {6, 1, 2}, {1, 2, 0}, {2, 2, 1}, {3, 2, 2}, {0, 3, 0, 3}};
const QList<LlocTecla> kDigitsIExtra = {{17, 0, 0}, {18, 0, 1},    {10, 0, 2}, {14, 1, 0},
                                        {15, 1, 1}, {16, 1, 2},    {11, 2, 0}, {12, 2, 1},
                                        {13, 2, 2}, {19, 3, 0, 2}, {20, 3, 2}};
const QList<LlocTecla> kRomanes = {{22, 0, 0}, {23, 0, 1}, {24, 0, 2}, {25, 1, 0},
                                   {26, 1, 1}, {27, 1, 2}, {28, 2, 1}};

constexpr int kMidaTecla = 28;
constexpr int kMidaPetita = 10;

} // namespace

TeclatWidget::TeclatWidget(int panell, const Teclats& teclats, QWidget* parent)
    : QWidget(parent), panell_(panell) {
    setObjectName(QStringLiteral("Teclat_%1").arg(panell));
    setStyleSheet(estilTecles());
    const QList<LlocTecla>& llocs = panell == 0 ? kDigits : panell == 1 ? kDigitsIExtra : kRomanes;
    int files = 0;
    for (const LlocTecla& l : llocs) {
        auto* b = new QPushButton(teclats.rotul(l.index), this);
        b->setObjectName(QStringLiteral("Tecla_%1").arg(l.index));
        b->setAccessibleName(b->text());
        // The keyboard box keeps the focus so typed keys keep reaching the board.
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        b->setFont(Lletra::arial(teclats.lletraPetita(l.index) ? kMidaPetita : kMidaTecla, true));
        b->setCursor(Qt::PointingHandCursor);
        b->setGeometry(l.columna * ub(kAmpleTecla + kEspai), l.fila * ub(kAltTecla + kEspai),
                       l.ample * ub(kAmpleTecla) + (l.ample - 1) * ub(kEspai), ub(kAltTecla));
        const int index = l.index;
        connect(b, &QPushButton::clicked, this, [this, index] { emit premuda(index); });
        tecles_.append(b);
        files = qMax(files, l.fila + 1);
    }
    resize(3 * ub(kAmpleTecla) + 2 * ub(kEspai), files * ub(kAltTecla + kEspai) - ub(kEspai));
}

QPushButton* TeclatWidget::tecla(int index) const {
    for (QPushButton* b : tecles_)
        if (b->objectName() == QStringLiteral("Tecla_%1").arg(index))
            return b;
    return nullptr;
}

void TeclatWidget::activa(bool actiu) {
    for (QPushButton* b : tecles_)
        b->setEnabled(actiu);
}
