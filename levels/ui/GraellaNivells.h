#pragma once

#include "core/TipusActivitat.h"
#include "levels/JocsNivells.h"

#include <QTableWidget>

struct Sessio;

// `Graella`: the levels of the shown activity, one row per level with its number in column 0 and
// the five fields of the level in columns 1..5, under a header of signs. Level rows are numbered
// from 1 here, as the editor counts them; the header is not a row of the table.
class GraellaNivells : public QTableWidget {
    Q_OBJECT
public:
    explicit GraellaNivells(QWidget* parent = nullptr);

    // `PreparaGraella`: the header and the alignment of the columns for `activitat`.
    void PreparaGraella(TipusActivitat activitat, const Sessio& sessio);
    // The rows of `files`, replacing those shown.
    void mostra(const QList<FilaGraella>& files);
    void pintaFila(int fila, const FilaGraella& f);
    void afegeixFila(const FilaGraella& f);
    void treuUltimaFila();

    int nivells() const { return rowCount(); }
    // The current level row, 0 when there is none.
    int filaActual() const { return currentRow() + 1; }
    // Makes `fila` the current row and selects its five fields.
    void selecciona(int fila);
    QString cella(int fila, int columna) const;

    // The plain colours of a display of 256 colours or fewer.
    void pocsColors();

signals:
    // The user picked level row `fila`, by mouse or keyboard.
    void nivellTriat(int fila);

private:
    void ompleFila(int fila, const FilaGraella& f);
    Qt::Alignment alineacio(int columna) const;

    TipusActivitat activitat_ = TipusActivitat::Cardinals;
    bool movent_ = false;
};
