#include "frontpage/Contrasenya.h"

#include "core/ui/Missatges.h"

#include "core/ClauAcces.h"
#include "core/IdsText.h"
#include "core/MotiuNoDesat.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/ui/FinestraPetita.h"
#include "core/ui/Units.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QValidator>

namespace {

using FinestraPetita::kEspai;

// Every edit of the new password goes through the key filter, pasted text included.
class FiltreClau : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        input = ClauAcces::filtra(input, &pos);
        return Acceptable;
    }
};

} // namespace

Contrasenya::Contrasenya(Sessio& sessio, QWidget* parent)
    : QDialog(parent), sessio_(sessio), etiqueta_{new QLabel, new QLabel, new QLabel},
      actual_(new QLabel), nova_(new QLineEdit),
      demanar_(new QCheckBox), mou_{new QPushButton, new QPushButton} {
    setObjectName("Contrasenya");
    setModal(true);
    setWindowTitle(TextUtil::trimSpaces(sessio_.text(IdText::kEinaClau)));
    const QFont lletra = FinestraPetita::posaLletra(*this);

    const int textos[3] = {IdText::kClauActual, IdText::kNovaClau, IdText::kDemanarClau};
    for (int i = 0; i < 3; ++i) {
        etiqueta_[i]->setObjectName(QStringLiteral("Etiqueta_%1").arg(i));
        etiqueta_[i]->setText(sessio_.text(textos[i]));
    }

    actual_->setObjectName("Actual");
    actual_->setTextFormat(Qt::PlainText);
    actual_->setText(sessio_.general.clauText());
    QFont lletraValor = lletra;
    lletraValor.setBold(true);
    actual_->setFont(lletraValor);
    actual_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    nova_->setObjectName("Nova");
    nova_->setValidator(new FiltreClau(nova_));
    nova_->setMinimumWidth(tw(FinestraPetita::kAmpleCamp));
    nova_->setAccessibleName(etiqueta_[1]->text());
    etiqueta_[1]->setBuddy(nova_);

    demanar_->setObjectName("Demanar");
    demanar_->setChecked(sessio_.general.Demanar == 1);
    demanar_->setAccessibleName(etiqueta_[2]->text());
    etiqueta_[2]->setBuddy(demanar_);
    // The caption sits beside the box, so a click on it is a click on the box.
    etiqueta_[2]->installEventFilter(this);

    FinestraPetita::preparaBotons(mou_, sessio_.text(IdText::kCancellar),
                                  sessio_.text(IdText::kAcceptar));

    auto* graella = new QGridLayout;
    graella->setHorizontalSpacing(tw(kEspai));
    graella->setVerticalSpacing(tw(kEspai));
    for (int i = 0; i < 3; ++i)
        graella->addWidget(etiqueta_[i], i, 0);
    graella->addWidget(actual_, 0, 1);
    graella->addWidget(nova_, 1, 1);
    graella->addWidget(demanar_, 2, 1, Qt::AlignLeft);
    graella->setColumnStretch(1, 1);
    FinestraPetita::disposa(*this, graella, mou_);

    nova_->setFocus();
    // The box is usually set together with a new password, so the typing goes back there.
    connect(demanar_, &QCheckBox::clicked, nova_, [this] { nova_->setFocus(); });
    connect(mou_[0], &QPushButton::clicked, this, &Contrasenya::reject);
    connect(mou_[1], &QPushButton::clicked, this, &Contrasenya::accept);
}

bool Contrasenya::eventFilter(QObject* watched, QEvent* event) {
    if (watched == etiqueta_[2] && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        demanar_->click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Contrasenya::accept() {
    if (!nova_->text().isEmpty())
        sessio_.general.Clau = ClauAcces::novaClau(nova_->text());
    sessio_.general.Demanar = demanar_->isChecked() ? 1 : 0;
    // The choice stays in memory either way and is written again when the program closes.
    if (!DesarCanvisGeneral(sessio_.carpeta, sessio_.generalLlegit, sessio_.general))
        Missatges::Informacio(sessio_.text(IdNoDesat()), sessio_.general.Idioma, this);
    QDialog::accept();
}
