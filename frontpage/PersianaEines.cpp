#include "frontpage/PersianaEines.h"

#include "core/ui/Units.h"
#include "frontpage/BotoArrodonit.h"
#include "frontpage/BotoPersiana.h"
#include "frontpage/EstilPortada.h"
#include "frontpage/ImatgesPortada.h"

#include <QLabel>

namespace L = DisposicioPortada;

PersianaEines::PersianaEines(const L::GeometriaPersiana& persiana, QWidget* parent)
    : QWidget(parent), geometria_(persiana) {
    const bool vertical = persiana.orientacio == Qt::Vertical;
    setObjectName(vertical ? "pEines" : "pPortada");
    for (int i = persiana.primeraEina; i <= persiana.darreraEina; ++i) {
        auto* eina = new BotoArrodonit(EstilPortada::kEstilEina, this);
        eina->setObjectName(QStringLiteral("bEines_%1").arg(i));
        eina->setGeometry(tw(L::eina(i)));
        const int costat = vertical ? tw(360) : tw(480);
        eina->setIconSize(QSize(costat, costat));
        eina->hide();
        connect(eina, &QPushButton::clicked, this, [this, i] { emit einaPremuda(i); });
        eines_ << eina;
    }

    boto_ = new BotoPersiana(persiana.orientacio, this);
    boto_->setObjectName(vertical ? "Persiana" : "Persiana0");
    boto_->setGeometry(tw(persiana.tancada));
    boto_->setMida(persiana.mida());
    connect(boto_, &QAbstractButton::clicked, this, &PersianaEines::persianaPremuda);
    pany_ = new QLabel(this);
    pany_->setObjectName(vertical ? "Pany" : "Pany0");
    pany_->setGeometry(tw(persiana.pany));
    pany_->setAttribute(Qt::WA_TransparentForMouseEvents);
    pany_->setPixmap(ImatgesPortada::pany(false, tw(L::kMidaPany), devicePixelRatioF()));
}

bool PersianaEines::oberta() const {
    return boto_->oberta();
}

bool PersianaEines::enMoviment() const {
    return boto_->enMoviment();
}

void PersianaEines::obreLaPersiana() {
    pany_->hide();
    for (int i = geometria_.primeraEina; i <= geometria_.darreraEina; ++i) {
        // A tool's picture is drawn the first time its blind opens, not with the window.
        if (eina(i)->icon().isNull())
            eina(i)->setIcon(
                ImatgesPortada::eina(i, eina(i)->iconSize().width(), devicePixelRatioF()));
        eina(i)->show();
    }
    boto_->mou(L::passosObrir(geometria_.mida(), geometria_.oberta), true, [this] {
        pany_->setPixmap(ImatgesPortada::pany(true, tw(L::kMidaPany), devicePixelRatioF()));
        pany_->move(tw(geometria_.panyObert.x()), tw(geometria_.panyObert.y()));
        pany_->show();
        pany_->raise();
    });
}

void PersianaEines::tancaLaPersiana() {
    boto_->mou(L::passosTancar(geometria_.mida(), geometria_.iniciTancar), false, [this] {
        pany_->setPixmap(ImatgesPortada::pany(false, tw(L::kMidaPany), devicePixelRatioF()));
        pany_->move(tw(geometria_.pany.x()), tw(geometria_.pany.y()));
        pany_->show();
        for (QPushButton* eina : eines_)
            eina->hide();
    });
}

void PersianaEines::setAnimacio(bool animacio) {
    boto_->setAnimacio(animacio);
    if (!animacio)
        boto_->acaba();
}
