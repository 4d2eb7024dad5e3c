#pragma once

#include "core/ActivitatLinia.h"

#include <QString>

// Activity 3 (Romans): a number of the level's range, shown either as a Roman numeral to be
// written in digits or in digits to be written as a Roman numeral, with equal chances. The
// keypad follows the answer of each exercise.
class ActivitatRomans : public ActivitatLinia {
    Q_OBJECT
public:
    explicit ActivitatRomans(ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    bool accepta(QChar c) const override;
    int teclat() const override { return teclat_; }
    QString teclaExtra() const override;

    qint64 nombre() const { return nombre_; }
    bool romaDemanat() const { return romaDemanat_; } // `RomàDemanat`

private:
    void NombreRoma();

    qint64 nombre_ = 1;
    bool romaDemanat_ = false;
    int teclat_ = 0;
};
