#pragma once

#include "board/ui/PanellActivitat.h"

#include <QRect>
#include <array>

class ActivitatMultiplicar;
class QFrame;
class QLabel;

// `PanelMultiplicar`, the panel of activity 8: the multiplicand `MultiSup` over the multiplier
// `MultiInf` with the sign `lblSigne`, the rule `Línia`(0), the partial products `Resposta`(1..3)
// and, under the rule of the sum `Línia`(1), the product `Resposta`(4). Each row shows the
// columns the pupil has written, from the units leftwards; `Torn` waits over the next digit and
// `Zero` is the 0 written in the blank column of the second row.
class PanelMultiplicar : public PanellActivitat {
    Q_OBJECT
public:
    explicit PanelMultiplicar(ActivitatMultiplicar& activitat, QWidget* parent = nullptr);

    void refresca() override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QLabel* nouText(const QString& nom, const QColor& color);
    // A rectangle given in the panel's units, in pixels.
    QRect lloc(qreal x, qreal y, qreal ample, qreal alt) const;

    ActivitatMultiplicar& act_;
    QLabel* multiSup_;
    QLabel* multiInf_;
    QLabel* signe_;
    std::array<QLabel*, 4> resposta_{}; // rows 1..4
    QLabel* torn_;
    QLabel* zero_;
    std::array<QFrame*, 2> linia_{};
};
