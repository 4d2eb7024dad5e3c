#pragma once

#include "core/ActivitatLinia.h"

#include <QString>

// Activity 7 (Taules): one product "a x b" of the tables from "Primera" to "Última", answered on
// the answer line.
class ActivitatTaules : public ActivitatLinia {
    Q_OBJECT
public:
    explicit ActivitatTaules(ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    bool accepta(QChar c) const override;
    int teclat() const override { return 0; }

    int factor() const { return a_; } // 0..9
    int taula() const { return b_; }

private:
    void genera();

    int a_ = 0;
    int b_ = 0;
};
