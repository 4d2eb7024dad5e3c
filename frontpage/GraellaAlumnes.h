#pragma once

#include "core/LlistaAlumnes.h"

#include <QTableWidget>
#include <array>

// The pupil grid `Relació`: one row per pupil, read-only, selected by whole rows, its columns
// sized from outside. It tells of a row the user selects, not of the rows it fills itself.
class GraellaAlumnes : public QTableWidget {
    Q_OBJECT
public:
    explicit GraellaAlumnes(QWidget* parent);

    // Shows `files` and selects row `fila` (none when -1). An empty list still shows one blank
    // line under the headings.
    void omple(const QList<FilaAlumne>& files, int fila);
    // A column of width 0 is hidden.
    void posaAmples(const std::array<int, LlistaAlumnes::kColumnes>& amples);

signals:
    void filaCanviada(int fila);

private:
    void coloraPocsColors();

    bool omplint_ = false;
};
