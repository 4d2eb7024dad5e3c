#pragma once

#include "core/Activitat.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// Activity 4 (Ordenació): six numbers of the level's range in a column of six words `Paraula`;
// the pupil drags them into increasing order from top to bottom and presses `Persiana` to have
// the order checked. There is no answer line and no key.
class ActivitatOrdenar : public Activitat {
    Q_OBJECT
public:
    static constexpr int kParaules = 6;

    // One word: the number as shown and, in its tag, in plain digits. A blank word has an empty
    // caption.
    struct Paraula {
        QString caption;
        QString tag;
        bool operator==(const Paraula&) const = default;
    };

    explicit ActivitatOrdenar(ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    void caracter(QChar) override {}
    void ajuda() override;
    bool accepta(QChar) const override { return false; }
    int teclat() const override { return -1; }

    // `Paraula`(origen) dropped on `Paraula`(desti). True when the list changed, which the
    // board marks with sound "20".
    bool deixa(int origen, int desti);
    // A press on `Persiana`: judges the order. Ignored while the list is not being edited.
    void comprova();

    const std::array<Paraula, kParaules>& paraules() const { return paraules_; }
    // The value the check reads: the tag as a number, 0 when empty.
    qint64 valor(int i) const;
    // `Relació`: the six numbers of the list in increasing order, and their texts as the sorted
    // list box holds them (the caption right-aligned in 11 characters).
    const QList<qint64>& relacio() const { return relacio_; }
    const QStringList& textsRelacio() const { return textsRelacio_; }
    // The words can be dragged and `Persiana` pressed: from each new exercise until a check or
    // help.
    bool arrossegable() const { return arrossegable_; }

private:
    void NovaLlista();
    bool ordenada() const;

    std::array<Paraula, kParaules> paraules_;
    QList<qint64> relacio_;
    QStringList textsRelacio_;
    bool arrossegable_ = false;
};
