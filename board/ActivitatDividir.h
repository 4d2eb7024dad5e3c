#pragma once

#include "board/DivisioLlarga.h"
#include "core/Activitat.h"

#include <QList>

// Activity 9: long division, in the plain layout (remainders only) or with the subtractions
// written (product, minus sign, difference). The layout is taken from the series at set-up.
//
// The pupil writes quotient digits and brought-down digits left to right, products, remainders
// and differences right to left. `fase` says which item is awaited:
//   0 a quotient digit, 1 a product digit, 4 the minus sign, 2 a remainder or difference digit,
//   3 a brought-down dividend digit.
// Rows are numbered 1..files(); every text holds its digits each followed by a blank, and
// `columna` is a 1-based position in such a text.
class ActivitatDividir : public Activitat {
    Q_OBJECT
public:
    // The line the cursor `TornDiv` stands on.
    enum class LiniaTorn {
        Quocient, // column = index of the quotient digit
        Producte, // the product line of row `tornFila` (with subtractions)
        Resta,    // the remainder or difference line of row `tornFila`
    };

    explicit ActivitatDividir(ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    void caracter(QChar c) override;
    void ajuda() override;
    bool accepta(QChar c) const override;
    int teclat() const override;
    QString teclaExtra() const override;

    // Puts the division of `operand1` by `operand2` on the board as if it had been drawn (the
    // larger of the two becomes the dividend). Refuses, leaving the board as it was, operands
    // below 1 or above DivisioLlarga::kMaxDividend.
    bool posaOperacio(int operand1, int operand2);

    // The next right character, null when the division is complete.
    QChar caracterAjuda() const;

    bool ambResta() const { return ambResta_; }
    const DivisioLlarga& divisio() const { return divisio_; }
    QString dividendText() const;
    QString divisorText() const;
    const QString& quocient() const { return quocient_; }
    const QString& quocientPendent() const { return quocientPendent_; }
    int fase() const { return fase_; }
    int fila() const { return fila_; }
    int columna() const { return columna_; }
    bool completa() const { return completa_; }

    int files() const { return int(divisio_.files.size()); }
    // Per row k in 1..files(); empty, hidden or 0 outside.
    QString resPar(int k) const;
    QString ddPar(int k) const;
    QString apuntRes(int k) const;
    QString apuntDiv(int k) const;
    bool signeVisible(int k) const; // `Signe` and `LinDiv`
    int columnaInici(int k) const;

    bool tornVisible() const { return fase_ != 4; }
    bool tornVermell() const { return tornVermell_; }
    LiniaTorn tornLinia() const;
    int tornFila() const;
    int tornColumna() const;

    // The end mark: shown while a completed division stays on the board; it sits under the
    // last row, one column left of its last digit.
    bool acabadaVisible() const { return completa_; }
    int filaAcabada() const { return files(); }
    int columnaAcabada() const { return divisio_.columnaAcabada(); }

private:
    struct Apunt {
        QString res; // `ApuntRes`: remainder (plain) or product (with subtractions)
        QString div; // `ApuntDiv`: difference and brought-down digits (with subtractions)
        bool signe = false;
    };

    void acaba();
    // What is written on row k's remainder or difference line.
    QString escritFila(int k) const;

    bool ambResta_ = false;
    DivisioLlarga divisio_;
    QList<Apunt> apunts_;
    QString quocient_;
    QString quocientPendent_;
    int fase_ = 0;
    int fila_ = 0;
    int columna_ = 0;
    bool completa_ = false;
    bool tornVermell_ = false;
};
