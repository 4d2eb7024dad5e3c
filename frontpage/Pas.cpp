#include "frontpage/Pas.h"

#include "core/ui/Escalat.h"
#include "core/ui/Missatges.h"

#include "core/ClauAcces.h"
#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/ui/FinestraPetita.h"
#include "core/ui/Units.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Pas::Pas(Sessio& sessio, QWidget* parent)
    : QDialog(parent), sessio_(sessio), etiqueta_(new QLabel),
      clauValida_(new QLineEdit), mou_{new QPushButton, new QPushButton} {
    setObjectName("Pas");
    setModal(true);
    setWindowTitle(sessio_.text(IdText::kClauAcces));
    FinestraPetita::posaLletra(*this);

    etiqueta_->setObjectName("Etiqueta");
    etiqueta_->setText(sessio_.text(IdText::kClauAcces));
    etiqueta_->setBuddy(clauValida_);

    clauValida_->setObjectName("ClauVàlida");
    clauValida_->setEchoMode(QLineEdit::Password);
    // The stored password never holds more; a longer one cut to 8 when it was set still opens
    // the tools when typed in full.
    clauValida_->setMaxLength(ClauAcces::kLlargada);
    clauValida_->setMinimumWidth(tw(FinestraPetita::kAmpleCamp));
    clauValida_->setAccessibleName(etiqueta_->text());

    FinestraPetita::preparaBotons(mou_, sessio_.text(IdText::kCancellar),
                                  sessio_.text(IdText::kAcceptar));
    // Enter belongs to the window: it always accepts, whichever button has the focus (the
    // dialog's own key handling presses the default button, Escape cancels).
    for (QPushButton* boto : mou_)
        boto->setAutoDefault(false);

    auto* fila = new QHBoxLayout;
    fila->setSpacing(tw(FinestraPetita::kEspai));
    fila->addWidget(etiqueta_);
    fila->addWidget(clauValida_, 1);
    FinestraPetita::disposa(*this, fila, mou_);

    clauValida_->setFocus();
    connect(mou_[0], &QPushButton::clicked, this, &Pas::reject);
    connect(mou_[1], &QPushButton::clicked, this, &Pas::comprova);
}

void Pas::comprova() {
    concedit_ = ClauAcces::concedeix(clauValida_->text(), sessio_.general);
    if (!concedit_)
        Missatges::Informacio(sessio_.text(IdText::kClauIncorrecta), sessio_.general.Idioma, this);
    accept();
}

bool Pas::Demana(Sessio& sessio, QWidget* parent) {
    Pas prompt(sessio, parent);
    Escalat::executa(prompt);
    return prompt.concedit_;
}
