#pragma once

#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

#include <QWidget>

struct Sessio;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

// `Panel2`, for Sumar and Restar: the digits of each operand (`NumXifres`(1..5)) and whether
// carrying is allowed (`Portant`).
class PanelXifres : public QWidget {
    Q_OBJECT
public:
    explicit PanelXifres(QWidget* parent = nullptr);

    void prepara(TipusActivitat activitat, const Sessio& sessio);
    void mostra(const DadesNivell& d);

signals:
    void xifres(int nombre);
    void portant(bool ambPortant);

private:
    QLabel* cap_;
    QButtonGroup* grup_;
    QRadioButton* numXifres_[5];
    QCheckBox* portant_;
};
