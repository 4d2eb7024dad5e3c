#include "levels/ui/PanelTaules.h"

#include "core/ui/Units.h"
#include "levels/ui/CapcaleraNivells.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>

namespace {

constexpr int kAmpleBarra = 3300;
constexpr int kAmpleValor = 900;
constexpr int kPuntsValor = 14;

} // namespace

PanelTaules::PanelTaules(QWidget* parent)
    : QWidget(parent), barra_{new QScrollBar(Qt::Horizontal), new QScrollBar(Qt::Horizontal)},
      valor_{new QLabel, new QLabel}, cap_{new QLabel, new QLabel} {
    setObjectName("Panel3");
    const QString barres[2] = {QStringLiteral("tPrimera"), QStringLiteral("tÚltima")};
    const QString valors[2] = {QStringLiteral("nPrimera"), QStringLiteral("nÚltima")};
    auto* graella = new QGridLayout(this);
    graella->setVerticalSpacing(tw(240));
    QFont lletra = font();
    lletra.setPointSize(kPuntsValor);
    lletra.setBold(true);
    for (int q = 0; q < 2; ++q) {
        cap_[q]->setAlignment(Qt::AlignCenter);
        cap_[q]->setMinimumWidth(tw(600));
        barra_[q]->setObjectName(barres[q]);
        barra_[q]->setFixedWidth(tw(kAmpleBarra));
        barra_[q]->setPageStep(10);
        valor_[q]->setObjectName(valors[q]);
        valor_[q]->setFont(lletra);
        valor_[q]->setMinimumWidth(tw(kAmpleValor));
        valor_[q]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        graella->addWidget(cap_[q], q, 0);
        graella->addWidget(valor_[q], q, 1);
        graella->addWidget(barra_[q], q, 2);
        connect(barra_[q], &QScrollBar::valueChanged, this, [this, q](int v) {
            valor_[q]->setText(QString::number(v));
            emit parametre(q + 1, v);
        });
    }
    graella->setColumnStretch(3, 1);
    graella->setRowStretch(2, 1);
}

void PanelTaules::prepara(TipusActivitat activitat, const Sessio& sessio) {
    const int maxim = rangsDe(numero(activitat)).parametre2.maxim;
    for (int q = 0; q < 2; ++q) {
        const CapcaleraNivells cap = CapcaleraNivells::de(activitat, q + 4, sessio);
        cap_[q]->setText(cap.text);
        cap_[q]->setFont(cap.lletra);
        cap_[q]->setToolTip(cap.ajuda);
        barra_[q]->setAccessibleName(cap.ajuda);
        barra_[q]->setMaximum(maxim);
        barra_[q]->setPageStep(maxim >= 100 ? 10 : 1);
    }
}

void PanelTaules::mostra(const DadesNivell& d) {
    barra_[0]->setRange(1, barra_[0]->maximum());
    barra_[0]->setValue(d.Parametre1);
    valor_[0]->setText(QString::number(barra_[0]->value()));
    barra_[1]->setRange(barra_[0]->value(), barra_[1]->maximum());
    barra_[1]->setValue(d.Parametre2);
    valor_[1]->setText(QString::number(barra_[1]->value()));
}
