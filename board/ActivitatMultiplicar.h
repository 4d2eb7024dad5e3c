#pragma once

#include "core/Activitat.h"

#include <QString>
#include <array>

// Activity 8 (Multiplicar): a long multiplication. The pupil writes each partial-product row
// from right to left, types "+" to draw the line of the sum, then writes the product.
//
// Rows 1..3 are the partial products, row 4 the product. Every row text is a blank before each
// digit (" 1 3 6 8"); a zero digit of the multiplier adds " 0" to the first row or a blank column
// "  " to a later one. Columns are counted from the units (column 0) of the product.
class ActivitatMultiplicar : public Activitat {
    Q_OBJECT
public:
    static constexpr int kFilaProducte = 4;

    explicit ActivitatMultiplicar(ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    void caracter(QChar c) override;
    void ajuda() override;
    bool accepta(QChar c) const override;
    int teclat() const override;
    QString teclaExtra() const override { return QStringLiteral("+"); }
    void fletxaEsquerra() override;

    int operand1() const { return operand1_; } // the multiplicand, never below the multiplier
    int operand2() const { return operand2_; }
    const QString& multiSup() const { return multiSup_; }
    const QString& multiInf() const { return multiInf_; }

    // Partial rows made for this exercise (1..3); rows past them are empty.
    int files() const { return files_; }
    // Full text of row 1..4 (`Resposta`); empty outside 1..4 or for a row not made.
    QString resposta(int fila) const;
    // Characters of row `fila` shown so far, counted from its right end.
    int revelats(int fila) const;
    // Column of the last character of row `fila`.
    int columnaDreta(int fila) const;

    int fase() const { return fase_; }       // 1..3 partial rows, 4 waiting for "+", 5 the product
    int columna() const { return columna_; } // characters of the current row done
    // The row being written (1..4), 0 while "+" is awaited.
    int filaActual() const;
    // Column of the character `Torn` stands over.
    int columnaTorn() const;
    bool tornVisible() const { return tornVisible_; }
    bool tornVermell() const { return tornVermell_; }
    // A 0 typed in the blank column of row 2.
    bool zeroVisible() const { return zeroVisible_; }
    int zeroColumna() const { return zeroColumna_; }
    bool linia1Visible() const { return linia1Visible_; } // the rule of the sum
    // A finished exercise takes no more keys until the next one.
    bool completa() const { return completa_; }

private:
    struct Parametres {
        int multiplicand;
        int multiplicador;
    };
    Parametres parametres() const;
    void genera();
    void comprova(QChar c);
    void acabaFila();
    void completaOperacio();

    int operand1_ = 0;
    int operand2_ = 0;
    QString multiSup_;
    QString multiInf_;
    int files_ = 0;
    std::array<QString, 5> resposta_;
    std::array<int, 5> revelats_{};
    std::array<int, 5> columnaDreta_{};
    int fase_ = 1;
    int columna_ = 0;
    bool tornVisible_ = true;
    bool tornVermell_ = false;
    bool zeroVisible_ = false;
    int zeroColumna_ = 0;
    bool linia1Visible_ = false;
    bool completa_ = false;
};
