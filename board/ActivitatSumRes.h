#pragma once

#include "core/Activitat.h"

#include <QList>
#include <QString>

// Activities 5 (Sumar) and 6 (Restar): a column sum or difference of two n-digit numbers. The
// pupil writes the result from the units column leftwards, one digit at a time, each judged at
// once. Columns are numbered from the units (column 0).
class ActivitatSumRes : public Activitat {
    Q_OBJECT
public:
    enum class Operacio { Suma, Resta };
    enum class EstatCella { Esperant, Correcta, Erronia };

    ActivitatSumRes(ContextActivitat& ctx, Operacio operacio, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    void caracter(QChar c) override;
    void ajuda() override;
    bool accepta(QChar c) const override;
    int teclat() const override { return 0; }

    Operacio operacio() const { return operacio_; }
    QString signe() const; // `MésMenys`
    int xifres() const { return n_; }
    // Digit of the top (`Línia1`) and bottom (`Línia2`) operand in `columna`.
    int digit1(int columna) const;
    int digit2(int columna) const;
    const QString& operand1() const { return operand1_; }
    const QString& operand2() const { return operand2_; }
    int resultat() const { return resultat_; }
    // What the pupil must write, most significant digit first (a subtraction keeps its zeros).
    const QString& esperat() const { return esperat_; }
    int columna() const { return columna_; } // `Columna`: the result digit awaited

    // Result cells created so far (`Línia3`), one per column from the units.
    int nombreCelles() const { return int(celles_.size()); }
    EstatCella estatCella(int columna) const;
    QChar digitCella(int columna) const; // null unless the cell holds a right digit
    // A finished exercise takes no more digits until the next one.
    bool completa() const { return completa_; }

private:
    struct Cella {
        EstatCella estat = EstatCella::Esperant;
        QChar digit;
    };

    void genera();
    void generaColumna(int i, bool esquerra);
    void comprova(QChar c);

    Operacio operacio_;
    int n_ = 1;
    bool portant_ = false;
    QList<int> digits1_;
    QList<int> digits2_;
    QString operand1_;
    QString operand2_;
    int resultat_ = 0;
    QString esperat_;
    int columna_ = 0;
    QList<Cella> celles_;
    bool completa_ = false;
};
