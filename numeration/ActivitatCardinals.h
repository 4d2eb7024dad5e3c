#pragma once

#include "core/ActivitatLinia.h"
#include "core/TipusActivitat.h"

#include <QString>
#include <utility>

// Activities 1 (Cardinals) and 2 (Ordinals): a number drawn from the level's range is shown in
// words, in the interface language and in upper case; the pupil types it in digits on the answer
// line. Both kinds share everything but the words, the separator and the keys.
class ActivitatCardinals : public ActivitatLinia {
    Q_OBJECT
public:
    // `tipus` is TipusActivitat::Cardinals or TipusActivitat::Ordinals.
    ActivitatCardinals(TipusActivitat tipus, ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    bool accepta(QChar c) const override;
    int teclat() const override { return teclat_; }
    QString teclaExtra() const override;

    qint64 nombre() const { return nombre_; }

private:
    bool esOrdinal() const { return tipus_ == TipusActivitat::Ordinals; }
    void genera();
    void Cardinal();
    void Ordinal();
    std::pair<qint64, qint64> interval() const; // the level's smallest and largest number
    qint64 sorteja();
    int separador() const;

    TipusActivitat tipus_;
    int teclat_ = 0;
    qint64 nombre_ = 0;
};
