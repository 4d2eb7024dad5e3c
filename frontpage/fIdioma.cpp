#include "frontpage/fIdioma.h"

#include "core/ui/BotoGlif.h"
#include "core/ui/Missatges.h"

#include "core/IdsText.h"
#include "core/MotiuNoDesat.h"
#include "core/Sessio.h"
#include "core/ui/Units.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

constexpr int kIdiomes = 4; // Catalan, Spanish, Galician, Basque; English is never offered
constexpr int kAngles = 4;
constexpr int kPuntsText = 12;
constexpr int kEspai = 180;

QFont lletraValor(QFont f) {
    f.setBold(true);
    return f;
}

} // namespace

fIdioma::fIdioma(Sessio& sessio, QWidget* parent)
    : QDialog(parent), sessio_(sessio),
      idiomaInicial_(sessio.general.Idioma), eti_{new QLabel, new QLabel, new QLabel, new QLabel},
      actual_(new QLabel), disponibles_(new QListWidget), triat_(new QLabel),
      separador_{new QRadioButton, new QRadioButton, new QRadioButton}, boto_{new QPushButton,
                                                                              new QPushButton} {
    setModal(true);
    QFont lletra = font();
    lletra.setPointSize(kPuntsText);
    setFont(lletra);

    for (int i = 0; i < 4; ++i)
        eti_[i]->setObjectName(QStringLiteral("Eti_%1").arg(i));
    actual_->setObjectName("Actual");
    actual_->setFont(lletraValor(lletra));
    triat_->setObjectName("Triat");
    triat_->setFont(lletraValor(lletra));

    disponibles_->setObjectName("Disponibles");
    disponibles_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < kIdiomes; ++i)
        disponibles_->addItem(QString());
    eti_[1]->setBuddy(disponibles_);

    auto* separadors = new QButtonGroup(this);
    auto* caixaSeparador = new QGroupBox;
    auto* filaSeparador = new QHBoxLayout(caixaSeparador);
    filaSeparador->addWidget(eti_[3]);
    for (int i = 0; i < 3; ++i) {
        separador_[i]->setObjectName(QStringLiteral("Separador_%1").arg(i));
        separadors->addButton(separador_[i], i);
        filaSeparador->addWidget(separador_[i]);
    }
    filaSeparador->addStretch();
    if (QAbstractButton* marcat = separadors->button(sessio_.general.Separador))
        marcat->setChecked(true);

    BotoGlif::prepara(boto_[0], BotoGlif::Cancel, QString::fromUtf8("Botó_0"));
    BotoGlif::prepara(boto_[1], BotoGlif::Accepta, QString::fromUtf8("Botó_1"));
    boto_[1]->setDefault(true);

    auto* graella = new QGridLayout;
    graella->setHorizontalSpacing(tw(kEspai));
    graella->addWidget(eti_[0], 0, 0);
    graella->addWidget(actual_, 0, 1);
    graella->addWidget(eti_[1], 1, 0, 1, 2);
    graella->addWidget(disponibles_, 2, 0, 1, 2);
    graella->addWidget(eti_[2], 3, 0);
    graella->addWidget(triat_, 3, 1);
    graella->setColumnStretch(1, 1);

    auto* botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(boto_[0]);
    botons->addWidget(boto_[1]);

    auto* tot = new QVBoxLayout(this);
    tot->setContentsMargins(tw(kEspai * 2), tw(kEspai * 2), tw(kEspai * 2), tw(kEspai * 2));
    tot->setSpacing(tw(kEspai));
    tot->addLayout(graella);
    tot->addWidget(caixaSeparador);
    tot->addLayout(botons);

    // Four rows, no scrolling: the whole choice is visible at a glance.
    disponibles_->setSpacing(tw(30));
    disponibles_->setFixedHeight((disponibles_->sizeHintForRow(0) + 2 * disponibles_->spacing()) *
                                     kIdiomes +
                                 2 * disponibles_->frameWidth());

    // Each control is as wide as its longest text in any language, so that the window keeps its
    // size while it previews the languages.
    const QList<QWidget*> textuals{eti_[0], eti_[1],       eti_[2],       eti_[3],      actual_,
                                   triat_,  separador_[0], separador_[1], separador_[2]};
    QList<int> amples(textuals.size(), 0);
    for (int i = 0; i < kIdiomes; ++i) {
        ompleTextos(i);
        for (int j = 0; j < kIdiomes; ++j) {
            triat_->setText(disponibles_->item(j)->text());
            for (qsizetype k = 0; k < textuals.size(); ++k)
                amples[k] = qMax(amples[k], textuals[k]->sizeHint().width());
        }
    }
    for (qsizetype k = 0; k < textuals.size(); ++k)
        textuals[k]->setMinimumWidth(amples[k]);
    tot->setSizeConstraint(QLayout::SetFixedSize);

    ompleTextos(sessio_.general.Idioma);
    {
        const QSignalBlocker blocker(disponibles_);
        disponibles_->setCurrentRow(sessio_.general.Idioma);
    }
    triat_->setText(disponibles_->currentItem() ? disponibles_->currentItem()->text() : QString());
    disponibles_->setFocus();

    connect(disponibles_, &QListWidget::currentRowChanged, this, &fIdioma::triaIdioma);
    connect(separadors, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            sessio_.general.Separador = uint8_t(id);
    });
    connect(boto_[0], &QPushButton::clicked, this, &fIdioma::reject);
    connect(boto_[1], &QPushButton::clicked, this, &fIdioma::accept);
}

void fIdioma::ompleTextos(int idioma) {
    const auto text = [idioma](int id) { return TextIdioma(id, idioma); };
    setWindowTitle(text(IdText::kIdiomaAplicacio));
    const int etiquetes[4] = {IdText::kIdiomaActual, IdText::kIdiomesDisponibles,
                              IdText::kIdiomaTriat, IdText::kSeparadorMilers};
    for (int i = 0; i < 4; ++i)
        eti_[i]->setText(text(etiquetes[i]));
    // A language outside the table (a damaged General.cfg) has no name to show.
    const bool conegut = idiomaInicial_ >= 0 && idiomaInicial_ <= kAngles;
    actual_->setText(conegut ? text(IdText::kCatala + idiomaInicial_) : QString());
    for (int i = 0; i < kIdiomes; ++i)
        disponibles_->item(i)->setText(text(IdText::kCatala + i));
    disponibles_->setAccessibleName(eti_[1]->text());
    for (int i = 0; i < 3; ++i)
        separador_[i]->setText(text(IdText::kPunt + i));
    const int ajudes[2] = {IdText::kCancellar, IdText::kAcceptar};
    for (int i = 0; i < 2; ++i) {
        boto_[i]->setToolTip(text(ajudes[i]));
        boto_[i]->setAccessibleName(text(ajudes[i]));
    }
}

void fIdioma::triaIdioma(int index) {
    if (index < 0 || index >= kIdiomes)
        return;
    if (index != sessio_.general.Idioma) {
        sessio_.general.Idioma = int16_t(index);
        ompleTextos(index);
    }
    triat_->setText(disponibles_->item(index)->text());
}

void fIdioma::accept() {
    // The choice stays in memory either way and is written again when the program closes.
    if (!DesarCanvisGeneral(sessio_.carpeta, sessio_.generalLlegit, sessio_.general))
        Missatges::Informacio(sessio_.text(IdNoDesat()), sessio_.general.Idioma, this);
    QDialog::accept();
}

void fIdioma::reject() {
    sessio_.general.Idioma = int16_t(idiomaInicial_);
    QDialog::reject();
}
