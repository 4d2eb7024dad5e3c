#pragma once

#include "core/ActivitatLinia.h"

#include <QString>
#include <utility>

// Activities 1 (Cardinals) and 2 (Ordinals): a number drawn from the level's range is shown in
// words, in the interface language and in upper case; the pupil types it in digits on the answer
// line. Both kinds share everything but the generator, the separator and the keys.
class ActivitatCardinals : public ActivitatLinia {
    Q_OBJECT
public:
    enum Tipus { Cardinals, Ordinals };

    ActivitatCardinals(Tipus tipus, ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    bool accepta(QChar c) const override;
    int teclat() const override { return teclat_; }
    QString teclaExtra() const override;
    // The extra key reads "Espai" and types a blank (Cardinals with the blank separator).
    bool teclaExtraBlanc() const;

    Tipus tipus() const { return tipus_; }
    qint64 nombre() const { return nombre_; }

private:
    void genera();
    void Cardinal();
    void Ordinal();
    std::pair<qint64, qint64> interval() const; // the level's smallest and largest number
    qint64 sorteja();
    int separador() const;

    Tipus tipus_;
    int teclat_ = 0;
    qint64 nombre_ = 0;
};
