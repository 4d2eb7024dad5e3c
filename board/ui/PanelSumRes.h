#pragma once

#include "board/ui/PanellActivitat.h"

#include <QList>

class ActivitatSumRes;
class QFrame;
class QLabel;

// `PanelSumRes`, the panel of activities 5 and 6: the two operands digit by digit (`Línia1`,
// `Línia2`), the sign `MésMenys`, the rule `Línia`(2) and the result cells `Línia3`, written from
// the units leftwards. Element 0 of each row is always there; the others come and go with the
// exercise and with the pupil's progress.
class PanelSumRes : public PanellActivitat {
    Q_OBJECT
public:
    PanelSumRes(ActivitatSumRes& activitat, QWidget* parent = nullptr);

    void refresca() override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QLabel* nouDigit(const QString& nom);
    // Keeps exactly `n` cells in `fila`, creating or removing from the left.
    void ajustaFila(QList<QLabel*>& fila, int n, const QString& prefix);

    ActivitatSumRes& act_;
    QList<QLabel*> linia1_;
    QList<QLabel*> linia2_;
    QList<QLabel*> linia3_;
    QLabel* mesMenys_;
    QFrame* regle_;
};
