#include "levels/ui/PanelDivisio.h"

#include "core/ui/Units.h"
#include "levels/ui/CapcaleraNivells.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

PanelDivisio::PanelDivisio(QWidget* parent)
    : QWidget(parent), cap_{new QLabel, new QLabel}, grup_{new QButtonGroup(this),
                                                           new QButtonGroup(this)} {
    setObjectName("Panel4");
    const QString noms[2] = {QStringLiteral("xDivd_%1"), QStringLiteral("xDivr_%1")};
    const int quantes[2] = {5, 3};
    // The digit labels of Panel2 are Label1(1..5); these go on from 6.
    int etiqueta = 6;
    auto* graella = new QGridLayout(this);
    graella->setVerticalSpacing(tw(240));
    for (int q = 0; q < 2; ++q) {
        graella->addWidget(cap_[q], q, 0);
        auto* fila = new QHBoxLayout;
        for (int i = 1; i <= quantes[q]; ++i) {
            auto* opcio = new QRadioButton;
            opcio->setObjectName(noms[q].arg(i));
            grup_[q]->addButton(opcio, i);
            opcions_[q] << opcio;
            auto* digit = new QLabel(QString::number(i));
            digit->setObjectName(QStringLiteral("Label1_%1").arg(etiqueta++));
            digit->setBuddy(opcio);
            fila->addWidget(opcio);
            fila->addWidget(digit);
            fila->addSpacing(tw(180));
        }
        fila->addStretch();
        graella->addLayout(fila, q, 1);
        connect(grup_[q], &QButtonGroup::idClicked, this,
                [this, q](int i) { emit parametre(q + 1, i); });
    }
    graella->setRowStretch(2, 1);
    graella->setColumnStretch(1, 1);
}

void PanelDivisio::prepara(TipusActivitat activitat, const Sessio& sessio) {
    for (int q = 0; q < 2; ++q) {
        const QString nom = CapcaleraNivells::de(activitat, q + 4, sessio).text;
        cap_[q]->setText(nom);
        for (int i = 0; i < opcions_[q].size(); ++i)
            opcions_[q][i]->setAccessibleName(nom + " " + QString::number(i + 1));
    }
}

void PanelDivisio::mostra(const DadesNivell& d) {
    if (QAbstractButton* b = grup_[0]->button(d.Parametre1))
        b->setChecked(true);
    if (QAbstractButton* b = grup_[1]->button(d.Parametre2))
        b->setChecked(true);
}
