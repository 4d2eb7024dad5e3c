#pragma once

#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

#include <QWidget>

struct Sessio;
class QButtonGroup;
class QLabel;
class QRadioButton;

// `Panel4`, for Multiplicar and Dividir: the digits of the first operand (`xDivd`(1..5)) and of
// the second (`xDivr`(1..3)). The second never has more digits than the first.
class PanelDivisio : public QWidget {
    Q_OBJECT
public:
    explicit PanelDivisio(QWidget* parent = nullptr);

    void prepara(TipusActivitat activitat, const Sessio& sessio);
    void mostra(const DadesNivell& d);

signals:
    // Option `valor` of `xDivd` (quin 1) or `xDivr` (quin 2) clicked.
    void parametre(int quin, int valor);

private:
    QLabel* cap_[2];
    QButtonGroup* grup_[2];
    QList<QRadioButton*> opcions_[2];
};
