#pragma once

#include "levels/JocsNivells.h"

#include <QList>
#include <QString>

// The grid of the level editor: the rows of the shown activity, levels 1..Nivells, and the rules
// of the controls that change them. Each edit rewrites its row through the set's own text for the
// grid (JocsNivells), keeps the activity's limits and the relation between its two parameters,
// and marks the set modified. Rows are numbered from 1, as the grid's level rows are.
class EdicioNivells {
public:
    explicit EdicioNivells(JocsNivells& jocs) : jocs_(jocs) {}

    // `CarregaActivitat`: the levels in use of the shown activity, read from the open set.
    void CarregaActivitat();

    const QList<FilaGraella>& files() const { return files_; }
    int nivells() const { return int(files_.size()); }
    // The numbers row `fila` stands for.
    DadesNivell dades(int fila) const;

    // `MésNivells`: false at ten levels. The added row is the one stored in the set.
    bool MesNivells();
    // `MenysNivells`: false at one level. The removed level stays in the set file.
    bool MenysNivells();

    // `Tirador`(i) moved: column i (1 `Temps`, 2 `Fer`, 3 `Errors`) of the row takes `valor`.
    void posaComptador(int fila, int i, int valor);
    // A parameter control set parameter `quin` (1 or 2) of the row to `valor`. When that breaks
    // the activity's relation, the other parameter takes the same value.
    void posaParametre(int fila, int quin, int valor);
    // `Portant` ticked or cleared: false, and nothing changes, when the row already says so.
    bool posaPortant(int fila, bool portant);
    // `bIncrement`(i): from row 2 on, each row of column i is the row above plus `k`, held to the
    // column's range; row 1 stays.
    void Increment(int i, int k);

    // The caption `rotul` of a nine-digit label (`Primer`, `Últim`) after a press on its digit
    // button at position `p` (1..9, 9 the units): left of the leading digit the button adds that
    // position's value; on a digit the left button turns it up (9 becomes 0), any other down (0
    // becomes 9).
    static QString PremDigit(const QString& rotul, int p, bool esquerre);

private:
    bool filaValida(int fila) const { return fila >= 1 && fila <= nivells(); }
    void escriu(int fila, const DadesNivell& d);

    JocsNivells& jocs_;
    QList<FilaGraella> files_;
};
