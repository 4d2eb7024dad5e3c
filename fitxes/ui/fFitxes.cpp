#include "fitxes/ui/fFitxes.h"

#include "core/FitxerAlumnes.h"
#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/ui/Escalat.h"
#include "core/ui/Missatges.h"
#include "core/ui/VistaPrevia.h"
#include "fitxes/DisposicioFitxa.h"
#include "fitxes/ui/PintaFitxa.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Seeds stay short enough to read off a footer and type back.
constexpr int kLlavorMaxima = 999999;

QString nom(const FilaAlumne& fila) {
    return TextUtil::trimSpaces(fila.value(LlistaAlumnes::kColNom));
}

} // namespace

void fFitxes::Obre(QWidget* parent, const Sessio& sessio, TipusActivitat activitat) {
    fFitxes finestra(sessio, activitat, parent);
    Escalat::executa(finestra);
}

fFitxes::fFitxes(const Sessio& sessio, TipusActivitat activitat, QWidget* parent)
    : QDialog(parent), sessio_(sessio),
      alumnes_(FitxerAlumnes::llegeix(sessio.carpeta, sessio.general.GrupActual,
                                      sessio.general.Idioma)) {
    setObjectName(QStringLiteral("fFitxes"));
    setWindowTitle(sessio.nomGrup(sessio.general.GrupActual) + QStringLiteral(" \u2014 ") +
                   sessio.text(IdText::kFitxes));
    const Registre& r = sessio.registre;
    for (qsizetype i = 0; i < alumnes_.size() && triat_ < 0; ++i) {
        const Registre a = LlistaAlumnes::registre(alumnes_.at(i));
        if (r.Numero != 0 && a.Numero == r.Numero && a.Nom == r.Nom)
            triat_ = int(i);
    }
    if (triat_ < 0 && !alumnes_.isEmpty())
        triat_ = 0;
    construeix();
    omple(activitat);
}

void fFitxes::construeix() {
    activitat_ = new QComboBox(this);
    activitat_->setObjectName(QStringLiteral("Activitat"));

    qui_ = new QButtonGroup(this);
    const QString nomTriat = triat_ >= 0 ? nom(alumnes_.at(triat_)) : QString();
    const QString textos[3] = {
        sessio_.text(IdText::kAlumneTriat) + (nomTriat.isEmpty() ? QString() : ": " + nomTriat),
        sessio_.text(IdText::kUnsQuantsAlumnes), sessio_.text(IdText::kTotaLaLlista)};
    auto* quiCaixa = new QVBoxLayout;
    for (int i = 0; i < 3; ++i) {
        perQui_[i] = new QRadioButton(textos[i], this);
        perQui_[i]->setObjectName(QStringLiteral("Qui_%1").arg(i));
        qui_->addButton(perQui_[i], i);
        quiCaixa->addWidget(perQui_[i]);
    }
    llista_ = new QListWidget(this);
    llista_->setObjectName(QStringLiteral("Alumnes"));
    for (const FilaAlumne& fila : alumnes_) {
        auto* item = new QListWidgetItem(nom(fila), llista_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    if (triat_ >= 0)
        llista_->item(triat_)->setCheckState(Qt::Checked);
    llista_->setAccessibleName(sessio_.text(IdText::kUnsQuantsAlumnes));
    quiCaixa->addWidget(llista_);

    exercicis_ = new QSpinBox(this);
    exercicis_->setObjectName(QStringLiteral("Exercicis"));
    // The level's own count replaces it once a level can be read.
    exercicis_->setRange(1, 10);
    solucions_ = new QCheckBox(sessio_.text(IdText::kAmbSolucions), this);
    solucions_->setObjectName(QStringLiteral("Solucions"));
    llavor_ = new QSpinBox(this);
    llavor_->setObjectName(QStringLiteral("Llavor"));
    llavor_->setRange(1, kLlavorMaxima);
    llavor_->setValue(QRandomGenerator::global()->bounded(1, kLlavorMaxima + 1));

    imprimir_ = new QPushButton(sessio_.text(IdText::kImprimir), this);
    imprimir_->setObjectName(QStringLiteral("Imprimir"));
    imprimir_->setDefault(true);
    tancar_ = new QPushButton(sessio_.text(IdText::kTancar), this);
    tancar_->setObjectName(QStringLiteral("Tancar"));
    tancar_->setAutoDefault(false);

    auto* formulari = new QFormLayout;
    formulari->addRow(sessio_.text(IdText::kActivitat), activitat_);
    formulari->addRow(sessio_.text(IdText::kPerA), quiCaixa);
    formulari->addRow(sessio_.text(IdText::kExercicis), exercicis_);
    formulari->addRow(QString(), solucions_);
    formulari->addRow(sessio_.text(IdText::kLlavor), llavor_);
    auto* botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(imprimir_);
    botons->addWidget(tancar_);
    auto* tot = new QVBoxLayout(this);
    tot->addLayout(formulari);
    tot->addLayout(botons);

    QWidget* ordre[] = {activitat_, perQui_[0], perQui_[1], perQui_[2], llista_,
                        exercicis_, solucions_, llavor_,    imprimir_,  tancar_};
    for (size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    connect(activitat_, &QComboBox::currentIndexChanged, this, &fFitxes::posaExercicis);
    connect(qui_, &QButtonGroup::idClicked, this, [this](int id) {
        llista_->setEnabled(id == Diversos);
        posaExercicis();
    });
    connect(llista_, &QListWidget::itemChanged, this, &fFitxes::posaExercicis);
    connect(imprimir_, &QPushButton::clicked, this, &fFitxes::imprimeix);
    connect(tancar_, &QPushButton::clicked, this, &QDialog::reject);
}

void fFitxes::omple(TipusActivitat activitat) {
    for (int a = 1; a <= kActivitats; ++a)
        if (sessio_.grup.ofereix(a)) {
            activitat_->addItem(sessio_.text(IdText::activitat(a)), a);
            if (tipusActivitat(a) == activitat)
                activitat_->setCurrentIndex(activitat_->count() - 1);
        }
    perQui_[triat_ >= 0 ? Triat : Tots]->setChecked(true);
    perQui_[Triat]->setEnabled(triat_ >= 0);
    llista_->setEnabled(false);
    posaExercicis();
    activitat_->setFocus();
}

TipusActivitat fFitxes::activitat() const {
    return tipusActivitat(activitat_->currentData().toInt());
}

QList<FilaAlumne> fFitxes::triats() const {
    switch (qui_->checkedId()) {
    case Triat:
        return triat_ >= 0 ? QList<FilaAlumne>{alumnes_.at(triat_)} : QList<FilaAlumne>{};
    case Diversos: {
        QList<FilaAlumne> triats;
        for (int i = 0; i < llista_->count(); ++i)
            if (llista_->item(i)->checkState() == Qt::Checked)
                triats << alumnes_.at(i);
        return triats;
    }
    default:
        return alumnes_;
    }
}

// The first chosen pupil's level sets the default count and the most the sheet can hold.
void fFitxes::posaExercicis() {
    const QList<FilaAlumne> qui = triats();
    imprimir_->setEnabled(!qui.isEmpty() && activitat_->count() > 0);
    if (qui.isEmpty() || activitat_->count() == 0)
        return;
    const TipusActivitat a = activitat();
    const EncarrecFitxes::Nivell n =
        EncarrecFitxes::llegeixNivell(sessio_.carpeta, sessio_.grup, a,
                                      EncarrecFitxes::nivellAlumne(qui.first(), a, sessio_.grup));
    if (n.error != 0)
        return;
    const bool ambResta = sessio_.grup.ambResta();
    exercicis_->setRange(1, std::max(1, DisposicioFitxa::maximExercicis(a, n.dades, ambResta)));
    exercicis_->setValue(EncarrecFitxes::exercicisPerDefecte(a, n.dades, ambResta));
}

EncarrecFitxes::Peticio fFitxes::peticio(int* error) const {
    EncarrecFitxes::Peticio p;
    p.activitat = activitat();
    p.exercicis = exercicis_->value();
    p.solucions = solucions_->isChecked();
    p.llavor = uint32_t(llavor_->value());
    p.idioma = sessio_.general.Idioma;
    p.separador = sessio_.general.Separador;
    p.ambResta = sessio_.grup.ambResta();
    p.grup = sessio_.nomGrup(sessio_.general.GrupActual);
    p.nomActivitat = sessio_.text(IdText::activitat(numero(p.activitat)));
    p.paraulaNivell = sessio_.text(IdText::kNivell);
    p.titolSolucions = sessio_.text(IdText::kSolucions);
    p.pagina = sessio_.text(IdText::kPagina);
    p.data = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    for (const FilaAlumne& fila : triats()) {
        const int nivell = EncarrecFitxes::nivellAlumne(fila, p.activitat, sessio_.grup);
        const EncarrecFitxes::Nivell n =
            EncarrecFitxes::llegeixNivell(sessio_.carpeta, sessio_.grup, p.activitat, nivell);
        if (n.error != 0) {
            if (error)
                *error = n.error;
            return p;
        }
        p.fulls << EncarrecFitxes::Full{nom(fila), nivell, n.dades};
    }
    if (error)
        *error = 0;
    return p;
}

void fFitxes::imprimeix() {
    int error = 0;
    const EncarrecFitxes::Peticio p = peticio(&error);
    if (error != 0) {
        Missatges::Informacio(sessio_.text(error), sessio_.general.Idioma, this);
        return;
    }
    const QList<PaginaFitxa> pagines = EncarrecFitxes::pagines(p);
    QPrinter impressora(QPrinter::HighResolution);
    PintaFitxa::preparaPagina(impressora);
    vistaPrevia(impressora, this, windowTitle(), sessio_.general.Idioma, [&](QPrinter& printer) {
        QPainter painter;
        return painter.begin(&printer) && PintaFitxa::pinta(painter, printer, pagines);
    });
}
