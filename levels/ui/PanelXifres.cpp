#include "levels/ui/PanelXifres.h"

#include "core/ui/Units.h"
#include "levels/ui/CapcaleraNivells.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

PanelXifres::PanelXifres(QWidget* parent)
    : QWidget(parent), cap_(new QLabel), grup_(new QButtonGroup(this)), portant_(new QCheckBox) {
    setObjectName("Panel2");
    auto* graella = new QGridLayout(this);
    graella->setVerticalSpacing(tw(240));
    graella->addWidget(cap_, 0, 0);
    auto* fila = new QHBoxLayout;
    for (int i = 1; i <= 5; ++i) {
        numXifres_[i - 1] = new QRadioButton;
        numXifres_[i - 1]->setObjectName(QStringLiteral("NumXifres_%1").arg(i));
        grup_->addButton(numXifres_[i - 1], i);
        auto* digit = new QLabel(QString::number(i));
        digit->setObjectName(QStringLiteral("Label1_%1").arg(i));
        digit->setBuddy(numXifres_[i - 1]);
        fila->addWidget(numXifres_[i - 1]);
        fila->addWidget(digit);
        fila->addSpacing(tw(180));
    }
    fila->addStretch();
    graella->addLayout(fila, 0, 1);
    portant_->setObjectName("Portant");
    graella->addWidget(portant_, 1, 0, 1, 2);
    graella->setRowStretch(2, 1);
    graella->setColumnStretch(1, 1);

    connect(grup_, &QButtonGroup::idClicked, this, &PanelXifres::xifres);
    connect(portant_, &QCheckBox::clicked, this, &PanelXifres::portant);
}

void PanelXifres::prepara(TipusActivitat activitat, const Sessio& sessio) {
    const CapcaleraNivells xifres = CapcaleraNivells::de(activitat, 4, sessio);
    cap_->setText(xifres.text);
    for (int i = 1; i <= 5; ++i)
        numXifres_[i - 1]->setAccessibleName(xifres.text + " " + QString::number(i));
    portant_->setText(CapcaleraNivells::de(activitat, 5, sessio).text);
}

void PanelXifres::mostra(const DadesNivell& d) {
    if (QAbstractButton* b = grup_->button(d.Parametre1))
        b->setChecked(true);
    portant_->setChecked(d.Parametre2 == 1);
}
