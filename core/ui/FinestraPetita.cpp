#include "core/ui/FinestraPetita.h"

#include "core/ui/BotoGlif.h"
#include "core/ui/Units.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace FinestraPetita {

QFont posaLletra(QDialog& finestra) {
    constexpr int kPuntsText = 12;
    QFont lletra = finestra.font();
    lletra.setPointSize(kPuntsText);
    finestra.setFont(lletra);
    return lletra;
}

void preparaBotons(QPushButton* const (&mou)[2], const QString& cancel, const QString& accepta) {
    BotoGlif::prepara(mou[0], BotoGlif::Cancel, QStringLiteral("Mou_0"), cancel);
    BotoGlif::prepara(mou[1], BotoGlif::Accepta, QStringLiteral("Mou_1"), accepta);
    mou[1]->setDefault(true);
}

void disposa(QDialog& finestra, QLayout* controls, QPushButton* const (&mou)[2]) {
    auto* botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(mou[0]);
    botons->addWidget(mou[1]);

    auto* tot = new QVBoxLayout(&finestra);
    tot->setContentsMargins(tw(kEspai * 2), tw(kEspai * 2), tw(kEspai * 2), tw(kEspai * 2));
    tot->setSpacing(tw(kEspai * 2));
    tot->addLayout(controls);
    tot->addLayout(botons);
    tot->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace FinestraPetita
