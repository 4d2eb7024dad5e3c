#pragma once

#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

#include <QWidget>

struct Sessio;
class QLabel;
class QScrollBar;

// `Panel3`, for Ordinals, Romans and Taules: the two bounds on scroll bars, `tPrimera` and
// `tÚltima`, with their values in `nPrimera` and `nÚltima`. `tÚltima` never goes below
// `tPrimera`.
class PanelTaules : public QWidget {
    Q_OBJECT
public:
    explicit PanelTaules(QWidget* parent = nullptr);

    // Ranges 1..1000 for Ordinals, 1..3999 for Romans, 1..9 for Taules.
    void prepara(TipusActivitat activitat, const Sessio& sessio);
    void mostra(const DadesNivell& d);

signals:
    // A scroll bar moved parameter `quin` (1 `tPrimera`, 2 `tÚltima`) to `valor`.
    void parametre(int quin, int valor);

private:
    QScrollBar* barra_[2];
    QLabel* valor_[2];
    QLabel* cap_[2];
};
