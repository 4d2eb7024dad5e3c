#pragma once

#include "board/ui/PanellActivitat.h"

#include <QLine>
#include <QRect>
#include <array>

class ActivitatDividir;
class QFrame;
class QLabel;

// `PanelDividir`, the panel of activity 9: the `Dividend` and, behind the bracket, the `Divisor`
// with the `Quocient` under it. Under the dividend the five rows of the division: in the plain
// layout each row `ApuntRes`(k) is a remainder and the digits brought down beside it; with the
// subtractions each row is a product `ApuntRes`(k) with its sign `Signe`(k) and rule `LinDiv`(k),
// and under it the difference `ApuntDiv`(k). `ResPar`(k) and `ddPar`(k) hold, hidden, what the row
// must read. `TornDiv` marks the place of the next character and `Acabada` underlines the last
// remainder of a finished division.
class PanelDividir : public PanellActivitat {
    Q_OBJECT
public:
    static constexpr int kFiles = 5;

    explicit PanelDividir(ActivitatDividir& activitat, QWidget* parent = nullptr);

    void refresca() override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    struct Fila {
        QLabel* resPar;
        QLabel* apuntRes;
        QLabel* apuntDiv;
        QLabel* ddPar;
        QLabel* signe;
        QFrame* linDiv;
    };

    QLabel* nouText(const QString& nom, const QColor& color);
    // A rectangle given in the panel's units, in pixels.
    QRect lloc(qreal x, qreal y, qreal ample, qreal alt) const;

    ActivitatDividir& act_;
    QLabel* dividend_;
    QLabel* divisor_;
    QLabel* quocient_;
    std::array<Fila, kFiles> files_{};
    QLabel* tornDiv_;
    QLabel* acabada_;

    qreal escala_ = 1; // pixels per unit, the division's own unit shrunk to fit the slate
    QLine barra_;      // the bracket between dividend and divisor
    QLine ratlla_;     // and the rule over the quotient
};
