#pragma once

#include "Activitat.h"
#include "LiniaResposta.h"

#include <QString>

// Activity 7 (Taules): one product "a x b" of the tables from "Primera" to "Última", answered on
// the answer line.
class ActivitatTaules : public Activitat {
    Q_OBJECT
public:
    explicit ActivitatTaules(ContextActivitat& ctx, QObject* parent = nullptr);

    void preparar() override;
    void novaOperacio() override;
    void caracter(QChar c) override;
    void ajuda() override;
    bool accepta(QChar c) const override;
    int teclat() const override { return 0; }

    int factor() const { return a_; } // 0..9
    int taula() const { return b_; }
    const QString& pregunta() const { return pregunta_; } // `Pregunta`
    const QString& solucio() const { return linia_.solucio(); }
    const LiniaResposta& linia() const { return linia_; }
    // A finished exercise takes no more digits until the next one.
    bool completa() const { return completa_; }

private:
    void genera();

    int a_ = 0;
    int b_ = 0;
    QString pregunta_;
    LiniaResposta linia_;
    bool completa_ = false;
};
