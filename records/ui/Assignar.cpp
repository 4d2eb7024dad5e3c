#include "records/ui/Assignar.h"

#include "core/ui/Escalat.h"
#include "core/ui/Missatges.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/ui/BotoGlif.h"
#include "core/ui/Units.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPuntsText = 12;
constexpr int kEspai = 180;
constexpr int kAmpleLlista = 4200;
constexpr int kAltLlista = 2400;

} // namespace

void Assignar::Obre(Sessio& sessio, QWidget* parent) {
    Assignar finestra(sessio, parent);
    Escalat::executa(finestra);
}

Assignar::Assignar(Sessio& sessio, QWidget* parent)
    : QDialog(parent), sessio_(sessio), assignacio_(sessio) {
    setModal(true);
    construeix();
    posaImatgeGrup();
    if (assignacio_.jocNoCreat())
        Missatges::Informacio(sessio_.text(IdText::kNoEsPotEscriure), sessio_.general.Idioma,
                              parent);
}

void Assignar::construeix() {
    QFont lletra = font();
    lletra.setPointSize(kPuntsText);
    setFont(lletra);
    QFont lletraValor = lletra;
    lletraValor.setBold(true);

    setWindowTitle(" " + sessio_.text(IdText::kAssignarNivell));
    for (int i = 0; i < 3; ++i) {
        eti_[i] = new QLabel(sessio_.text(IdText::kNivellActual + i));
        eti_[i]->setObjectName(QStringLiteral("Eti_%1").arg(i));
    }
    actual_ = new QLabel(assignacio_.actual());
    actual_->setObjectName("Actual");
    actual_->setFont(lletraValor);
    actual_->setTextFormat(Qt::PlainText);
    triat_ = new QLabel;
    triat_->setObjectName("Triat");
    triat_->setFont(lletraValor);
    triat_->setTextFormat(Qt::PlainText);
    grup_ = new QLabel;
    grup_->setObjectName("Grup");
    grup_->setAlignment(Qt::AlignCenter);

    arxiusCfg_ = new QListWidget;
    arxiusCfg_->setObjectName("ArxiusCfg");
    arxiusCfg_->setSelectionMode(QAbstractItemView::SingleSelection);
    arxiusCfg_->addItems(assignacio_.llista());
    arxiusCfg_->setCurrentRow(assignacio_.seleccionat());
    arxiusCfg_->setMinimumSize(tw(kAmpleLlista), tw(kAltLlista));
    arxiusCfg_->setAccessibleName(eti_[1]->text());
    eti_[1]->setBuddy(arxiusCfg_);
    triat_->setText(assignacio_.triat());
    connect(arxiusCfg_, &QListWidget::currentRowChanged, this, [this](int fila) {
        assignacio_.selecciona(fila);
        triat_->setText(assignacio_.triat());
    });

    for (int i = 0; i < 2; ++i) {
        boto_[i] = new QPushButton;
        BotoGlif::prepara(boto_[i], i == 0 ? BotoGlif::Cancel : BotoGlif::Accepta,
                          QString::fromUtf8("Botó_%1").arg(i),
                          sessio_.text(i == 0 ? IdText::kCancellar : IdText::kAcceptar));
    }
    boto_[1]->setDefault(true);
    connect(boto_[0], &QPushButton::clicked, this, &Assignar::reject);
    connect(boto_[1], &QPushButton::clicked, this, &Assignar::accept);

    auto* graella = new QGridLayout;
    graella->setHorizontalSpacing(tw(kEspai));
    graella->setVerticalSpacing(tw(kEspai / 2));
    graella->addWidget(eti_[0], 0, 0);
    graella->addWidget(actual_, 0, 1);
    graella->addWidget(eti_[1], 1, 0, 1, 2);
    graella->addWidget(arxiusCfg_, 2, 0, 1, 2);
    graella->addWidget(eti_[2], 3, 0);
    graella->addWidget(triat_, 3, 1);
    graella->setColumnStretch(1, 1);

    auto* costat = new QVBoxLayout;
    costat->addWidget(grup_);
    costat->addStretch();

    auto* centre = new QHBoxLayout;
    centre->setSpacing(tw(kEspai * 2));
    centre->addLayout(costat);
    centre->addLayout(graella, 1);

    auto* botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(boto_[0]);
    botons->addWidget(boto_[1]);

    auto* tot = new QVBoxLayout(this);
    const int marge = tw(kEspai * 2);
    tot->setContentsMargins(marge, marge, marge, marge);
    tot->setSpacing(tw(kEspai));
    tot->addLayout(centre);
    tot->addLayout(botons);
    arxiusCfg_->setFocus();
}

void Assignar::posaImatgeGrup() {
    // The front page's button of the current group is the group's picture.
    const QString nom = QStringLiteral("Grup_%1").arg(sessio_.general.GrupActual);
    QWidget* boto = parentWidget() ? parentWidget()->window()->findChild<QWidget*>(nom) : nullptr;
    if (!boto) {
        grup_->hide();
        return;
    }
    grup_->setPixmap(boto->grab());
    grup_->setAccessibleName(sessio_.nomGrup(sessio_.general.GrupActual));
}

void Assignar::done(int result) {
    if (!tancada_) {
        tancada_ = true;
        if (!assignacio_.tanca(result == QDialog::Accepted))
            Missatges::Informacio(sessio_.text(IdText::kNoEsPotEscriure), sessio_.general.Idioma,
                                  this);
    }
    QDialog::done(result);
}
