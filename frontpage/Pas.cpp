#include "frontpage/Pas.h"

#include "core/ui/Missatges.h"

#include "core/ClauAcces.h"
#include "core/Sessio.h"
#include "core/ui/BotoGlif.h"
#include "core/ui/Units.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPuntsText = 12;
constexpr int kEspai = 180;
constexpr int kAmpleClau = 2400;

// The cross and the check mark, as in every small window.
void preparaMou(QPushButton* boto, int index, const QString& ajuda) {
    BotoGlif::prepara(boto, index == 0 ? BotoGlif::Cancel : BotoGlif::Accepta,
                      QStringLiteral("Mou_%1").arg(index), ajuda);
    // Enter belongs to the window: it always accepts, whichever button has the focus (the
    // dialog's own key handling presses the default button, Escape cancels).
    boto->setAutoDefault(false);
}

} // namespace

Pas::Pas(Sessio& sessio, QWidget* parent)
    : QDialog(parent), sessio_(sessio), etiqueta_(new QLabel),
      clauValida_(new QLineEdit), mou_{new QPushButton, new QPushButton} {
    setObjectName("Pas");
    setModal(true);
    setWindowTitle(sessio_.text(28));
    QFont lletra = font();
    lletra.setPointSize(kPuntsText);
    setFont(lletra);

    etiqueta_->setObjectName("Etiqueta");
    etiqueta_->setText(sessio_.text(28));
    etiqueta_->setBuddy(clauValida_);

    clauValida_->setObjectName("ClauVàlida");
    clauValida_->setEchoMode(QLineEdit::Password);
    // The stored password never holds more; a longer one cut to 8 when it was set still opens
    // the tools when typed in full.
    clauValida_->setMaxLength(ClauAcces::kLlargada);
    clauValida_->setMinimumWidth(tw(kAmpleClau));
    clauValida_->setAccessibleName(etiqueta_->text());

    preparaMou(mou_[0], 0, sessio_.text(87));
    preparaMou(mou_[1], 1, sessio_.text(82));
    mou_[1]->setDefault(true);

    auto* fila = new QHBoxLayout;
    fila->setSpacing(tw(kEspai));
    fila->addWidget(etiqueta_);
    fila->addWidget(clauValida_, 1);

    auto* botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(mou_[0]);
    botons->addWidget(mou_[1]);

    auto* tot = new QVBoxLayout(this);
    tot->setContentsMargins(tw(kEspai * 2), tw(kEspai * 2), tw(kEspai * 2), tw(kEspai * 2));
    tot->setSpacing(tw(kEspai * 2));
    tot->addLayout(fila);
    tot->addLayout(botons);
    tot->setSizeConstraint(QLayout::SetFixedSize);

    clauValida_->setFocus();
    connect(mou_[0], &QPushButton::clicked, this, &Pas::reject);
    connect(mou_[1], &QPushButton::clicked, this, &Pas::comprova);
}

void Pas::comprova() {
    concedit_ = ClauAcces::concedeix(clauValida_->text(), sessio_.general);
    if (!concedit_)
        Missatges::Informacio(sessio_.text(114), sessio_.general.Idioma, this);
    accept();
}

bool Pas::Demana(Sessio& sessio, QWidget* parent) {
    Pas prompt(sessio, parent);
    prompt.exec();
    return prompt.concedit_;
}
