#pragma once

#include "frontpage/DisposicioPortada.h"

#include <QList>
#include <QWidget>

class BotoPersiana;
class QLabel;
class QPushButton;

// A panel of teacher's tools behind a blind: `pEines` on the list page (tools 3..10 under the
// vertical `Persiana`) or `pPortada` on the groups page (tools 0..2 beside the horizontal
// `Persiana0`). A padlock on the blind shows it shut; it opens once the blind is up. The tools
// are shown only while the blind is open or moving.
class PersianaEines : public QWidget {
    Q_OBJECT
public:
    PersianaEines(const DisposicioPortada::GeometriaPersiana& persiana, QWidget* parent);

    // Tool `index` (0..10) of this panel.
    QPushButton* eina(int index) const { return eines_.at(index - geometria_.primeraEina); }
    BotoPersiana* persiana() const { return boto_; }
    bool oberta() const;
    bool enMoviment() const;

    void obreLaPersiana();
    void tancaLaPersiana();
    // Without animation the blind reaches its end at once.
    void setAnimacio(bool animacio);

signals:
    void persianaPremuda();
    void einaPremuda(int index);

private:
    const DisposicioPortada::GeometriaPersiana geometria_;
    QList<QPushButton*> eines_;
    BotoPersiana* boto_ = nullptr;
    QLabel* pany_ = nullptr;
};
