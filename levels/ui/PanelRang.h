#pragma once

#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

#include <QWidget>

struct Sessio;
class BotoXifra;
class EtiquetaXifres;
class QLabel;

// `Panel1`, for Cardinals and Ordenació: the bounds of the range as two nine-digit numbers,
// `Primer` and `Últim`, each under a row of digit buttons (`Pulsador1`(1..9), `Pulsador2`(1..9),
// position 9 the units).
class PanelRang : public QWidget {
    Q_OBJECT
public:
    explicit PanelRang(QWidget* parent = nullptr);

    void prepara(TipusActivitat activitat, const Sessio& sessio);
    void mostra(const DadesNivell& d);

    QString primer() const;
    QString ultim() const;

signals:
    // A digit button asks for parameter `quin` (1 `Primer`, 2 `Últim`) to become `valor`.
    void parametre(int quin, int valor, bool ambRatoli);

private:
    EtiquetaXifres* xifres_[2];
    QLabel* cap_[2];
    BotoXifra* pulsador_[2][9];
};
