#pragma once

#include "levels/DadesNivell.h"

#include <QWidget>

struct Sessio;
class QLabel;
class QPushButton;
class QScrollBar;
class UpDown;

// `Frame1`: for each of `Temps`, `Fer` and `Errors` (index 1..3) the value of the level being
// edited (`Dades`) on its scroll bar (`Tirador`), and the increment tool: the step
// (`Increment`, changed with `UpDown1`) and the button that applies it down the column
// (`bIncrement`).
class PanelComptadors : public QWidget {
    Q_OBJECT
public:
    explicit PanelComptadors(QWidget* parent = nullptr);

    void prepara(const Sessio& sessio);
    void mostra(const DadesNivell& d);

    int increment(int i) const;

signals:
    // `Tirador`(i) moved to `valor`; `Dades`(i) already shows it.
    void comptador(int i, int valor);
    // `bIncrement`(i) pressed with the step `k` shown in `Increment`(i).
    void incrementa(int i, int k);

private:
    QLabel* cap_[3];
    QLabel* dades_[3];
    QScrollBar* tirador_[3];
    QLabel* increment_[3];
    UpDown* upDown_[3];
    QPushButton* bIncrement_[3];
};
