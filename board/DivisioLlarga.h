#pragma once

#include <QList>
#include <QString>

// One step of a long division as the pupil writes it: the remainder (plain layout) or the
// difference (layout with subtractions) followed by the dividend digits brought down next to it.
struct FilaDivisio {
    QString resPar;      // expected row text, every digit followed by a blank
    QString ddPar;       // expected product, same format; empty in the plain layout
    int xifresResta = 0; // digits of the remainder or difference part of `resPar`
    // Column of the row's first digit, counting the dividend's first digit as column 0. The
    // remainder or product sits right-aligned under the last digit of the partial dividend it
    // comes from, so that every brought-down digit stands under the dividend digit it copies.
    int columnaInici = 0;
};

// The rows of a long division, built by running the division the way it is written on the
// board. Pure data: the entry of the rows is ActivitatDividir's business.
class DivisioLlarga {
public:
    // The board has room for five rows, one per step. A dividend of at most five digits never
    // needs more: every row stands for a quotient digit.
    static constexpr int kMaxFiles = 5;
    static constexpr int kMaxDividend = 99999;

    // Needs 1 <= divisor <= dividend <= kMaxDividend; anything else gives a division that is
    // not valida() and has no rows.
    static DivisioLlarga construeix(int dividend, int divisor, bool ambResta);

    // "8 4 5 " for "845": the format of every number on the division panel.
    static QString espaiat(const QString& xifres);

    bool valida() const { return !files.isEmpty(); }
    // Column of the end mark `Acabada`: one column left of the last row's last digit.
    int columnaAcabada() const;

    int dividend = 0;
    int divisor = 0;
    bool ambResta = false;
    int parcial = 0;  // first partial dividend
    QString quocient; // quotient digits, no blanks
    QList<FilaDivisio> files;
};
