#include "records/ui/Edicio.h"

#include "core/ui/Escalat.h"
#include "core/ui/Missatges.h"
#include "core/ui/UpDown.h"
#include "records/ImatgeAlumne.h"
#include "records/ImportaLlista.h"
#include "records/ui/BotoImatge.h"
#include "records/ui/ImportacioLlista.h"

#include "core/IdsText.h"
#include "core/MotiuNoDesat.h"
#include "core/Sessio.h"
#include "core/SoundPlayer.h"
#include "core/TextUtil.h"
#include "core/TipusActivitat.h"
#include "core/ui/Units.h"
#include "core/ui/Wingdings.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPuntsText = 12;
constexpr int kPuntsValor = 14;
constexpr int kEspai = 180;
constexpr int kCaixaValor = 660;
constexpr int kAmpleNom = 4935;
constexpr int kCostatImatge = 1500;
constexpr int kAmpleBoto = 1500;
constexpr int kAltBoto = 540;
constexpr auto kSoAvis = "24";
// A class list is a few kilobytes; a file far larger was chosen by mistake.
constexpr qint64 kMidaMaximaLlista = 1 << 20;

Edicio::TriaFitxer& triaFitxer() {
    static Edicio::TriaFitxer tria;
    return tria;
}

QString dialegFitxer(QWidget* parent, const QString& titol, const QString& filtre) {
    return QFileDialog::getOpenFileName(Escalat::finestraReal(parent), titol, QString(), filtre);
}

// Red text while the button can be pressed, the usual grey once disabled.
void vermell(QPushButton* boto) {
    QPalette p = boto->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        p.setColor(g, QPalette::ButtonText, QColor(0xC6, 0x28, 0x28));
    boto->setPalette(p);
}

QLabel* caixaValor(const char* nom, const QFont& lletra) {
    auto* l = new QLabel;
    l->setObjectName(nom);
    l->setFont(lletra);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumSize(tw(kCaixaValor), tw(kCaixaValor * 2 / 3));
    l->setAutoFillBackground(true);
    l->setBackgroundRole(QPalette::Base);
    return l;
}

} // namespace

bool Edicio::Obre(Sessio& sessio, int mode, QList<QStringList>& files, int filaActual,
                  SoundPlayer* so, QWidget* parent) {
    if (mode < int(EdicioRegistres::Mode::Afegir) || mode > int(EdicioRegistres::Mode::Eliminar))
        return false;
    const QList<QStringList> abans = files;
    Edicio finestra(sessio, EdicioRegistres::Mode(mode), files, filaActual, so, parent);
    Escalat::executa(finestra);
    return finestra.edicio().desat() || files != abans;
}

void Edicio::posaTriaFitxer(TriaFitxer tria) {
    triaFitxer() = std::move(tria);
}

QString Edicio::filtre(const QString& text) {
    const QStringList parts = text.split(u'|');
    QStringList filtres;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patrons = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        if (filtres.isEmpty())
            patrons << "*.png"
                    << "*.jpg"
                    << "*.jpeg";
        filtres << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patrons.join(u' '));
    }
    return filtres.join(QStringLiteral(";;"));
}

Edicio::Edicio(Sessio& sessio, EdicioRegistres::Mode mode, QList<QStringList>& files,
               int filaActual, SoundPlayer* so, QWidget* parent)
    : QDialog(parent), sessio_(sessio), edicio_(sessio, mode, files, filaActual), so_(so) {
    setModal(true);
    construeix();
    posaTextos();
    mostraCamps();
    nom_->setFocus();
}

QString Edicio::text(int id) const {
    return sessio_.text(id);
}

void Edicio::construeix() {
    QFont lletra = font();
    lletra.setPointSize(kPuntsText);
    setFont(lletra);
    QFont lletraValor = lletra;
    lletraValor.setPointSize(kPuntsValor);
    lletraValor.setBold(true);
    QFont lletraTitol = lletra;
    lletraTitol.setBold(true);

    for (int i = 0; i < 6; ++i) {
        etiqueta_[i] = new QLabel;
        etiqueta_[i]->setObjectName(QStringLiteral("Etiqueta_%1").arg(i));
        etiqueta_[i]->setFont(lletraTitol);
    }

    // Pupil: number, name, picture.
    num_ = caixaValor("Num", lletraValor);
    upNum_ = new UpDown;
    upNum_->setObjectName("upNum");
    upNum_->setRange(1, EdicioRegistres::kNumeroMaxim);
    nom_ = new QLineEdit;
    nom_->setObjectName("Nom");
    nom_->setFont(lletraValor);
    nom_->setMaxLength(Registre::kAmpleNom);
    nom_->setMinimumWidth(tw(kAmpleNom));
    etiqueta_[1]->setBuddy(nom_);
    imatge_ = new BotoImatge;
    imatge_->setObjectName("Imatge");
    imatge_->setFixedSize(tw(kCostatImatge), tw(kCostatImatge));
    imatge_->setIconSize(QSize(tw(kCostatImatge - 180), tw(kCostatImatge - 180)));
    esborrar_ = new QPushButton(Wingdings::text(Wingdings::kCross));
    esborrar_->setObjectName("Esborrar");
    esborrar_->setFont(Wingdings::font(Wingdings::kCross, kPuntsText));
    esborrar_->setFixedSize(tw(kAltBoto), tw(kAltBoto));
    vermell(esborrar_);

    auto* numero = new QHBoxLayout;
    numero->setSpacing(tw(60));
    numero->addWidget(num_);
    numero->addWidget(upNum_);
    auto* alumne = new QGridLayout;
    alumne->setHorizontalSpacing(tw(kEspai));
    alumne->addWidget(etiqueta_[0], 0, 0);
    alumne->addWidget(etiqueta_[1], 0, 1);
    alumne->addLayout(numero, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    alumne->addWidget(nom_, 1, 1, Qt::AlignTop);
    alumne->setRowStretch(2, 1);
    alumne->setColumnStretch(1, 1);
    auto* imatge = new QGridLayout;
    imatge->setSpacing(0);
    imatge->addWidget(imatge_, 0, 0);
    imatge->addWidget(esborrar_, 0, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* dalt = new QHBoxLayout;
    dalt->setSpacing(tw(kEspai * 2));
    dalt->addLayout(alumne, 1);
    dalt->addLayout(imatge);

    // Levels: numeration on the left, calculation on the right.
    QGridLayout* families[2] = {new QGridLayout, new QGridLayout};
    const int capcaleres[2][2] = {{3, 2}, {4, 5}};
    for (int f = 0; f < 2; ++f) {
        families[f]->setHorizontalSpacing(tw(120));
        families[f]->setVerticalSpacing(tw(90));
        families[f]->addWidget(etiqueta_[capcaleres[f][0]], 0, 0);
        families[f]->addWidget(etiqueta_[capcaleres[f][1]], 0, 1, 1, 2, Qt::AlignLeft);
        families[f]->setColumnStretch(0, 1);
    }
    int files[2] = {0, 0}; // rows taken in each box, under its heading
    for (int a = 1; a <= kActivitats; ++a) {
        const int f = esNumeracio(tipusActivitat(a)) ? 0 : 1;
        const int fila = ++files[f];
        activitat_[a] = new QLabel;
        activitat_[a]->setObjectName(QStringLiteral("Activitat_%1").arg(a));
        nValor_[a] = caixaValor("", lletraValor);
        nValor_[a]->setObjectName(QStringLiteral("nValor_%1").arg(a));
        upAct_[a] = new UpDown;
        upAct_[a]->setObjectName(QStringLiteral("UpAct_%1").arg(a));
        families[f]->addWidget(activitat_[a], fila, 0);
        families[f]->addWidget(nValor_[a], fila, 1);
        families[f]->addWidget(upAct_[a], fila, 2);
        connect(upAct_[a], &UpDown::valueChanged, this, [this, a](int v) {
            edicio_.camps().Nivell[a - 1] = uint8_t(v);
            nValor_[a]->setText(QString::number(v));
        });
    }
    families[1]->setRowStretch(6, 1);
    families[0]->setRowStretch(6, 1);
    auto* nivells = new QHBoxLayout;
    nivells->setSpacing(tw(kEspai * 2));
    for (QGridLayout* familia : families) {
        auto* caixa = new QGroupBox;
        caixa->setLayout(familia);
        nivells->addWidget(caixa, 1);
    }

    // Buttons: close and the mode's action on the left, moving through the list on the right.
    QFont lletraBoto = lletra;
    lletraBoto.setBold(true);
    for (int i = 0; i < 4; ++i) {
        mou_[i] = new QPushButton;
        mou_[i]->setObjectName(QStringLiteral("Mou_%1").arg(i));
        mou_[i]->setFont(lletraBoto);
        mou_[i]->setMinimumSize(tw(kAmpleBoto), tw(kAltBoto));
        mou_[i]->setAutoDefault(false);
    }
    importa_ = new QPushButton;
    importa_->setObjectName("Importa");
    importa_->setFont(lletraBoto);
    importa_->setMinimumSize(tw(kAmpleBoto), tw(kAltBoto));
    importa_->setAutoDefault(false);
    importa_->setVisible(edicio_.mode() == EdicioRegistres::Mode::Afegir);
    auto* botons = new QHBoxLayout;
    botons->setSpacing(tw(kEspai));
    botons->addWidget(mou_[0]);
    botons->addWidget(mou_[1]);
    botons->addWidget(importa_);
    botons->addStretch();
    botons->addWidget(mou_[2]);
    botons->addWidget(mou_[3]);

    auto* tot = new QVBoxLayout(this);
    const int marge = tw(kEspai * 2);
    tot->setContentsMargins(marge, marge, marge, marge);
    tot->setSpacing(tw(kEspai * 2));
    tot->addLayout(dalt);
    tot->addLayout(nivells);
    tot->addLayout(botons);
    tot->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* ordre[] = {nom_,      upNum_,    imatge_,   esborrar_, upAct_[1], upAct_[2],
                        upAct_[3], upAct_[4], upAct_[5], upAct_[6], upAct_[7], upAct_[8],
                        upAct_[9], mou_[1],   importa_,  mou_[0],   mou_[2],   mou_[3]};
    for (size_t i = 0; i + 1 < std::size(ordre); ++i)
        setTabOrder(ordre[i], ordre[i + 1]);

    // Which controls act in this mode.
    const bool editables = edicio_.campsEditables();
    upNum_->setEnabled(editables);
    nom_->setReadOnly(!editables);
    imatge_->setEnabled(editables);
    esborrar_->setEnabled(editables);
    mou_[2]->setEnabled(edicio_.navega());
    mou_[3]->setEnabled(edicio_.navega());
    mou_[1]->setEnabled(edicio_.accioActiva());
    // Enter in the name adds or stores; deleting wants a deliberate press.
    if (edicio_.mode() == EdicioRegistres::Mode::Eliminar)
        vermell(mou_[1]);
    else
        mou_[1]->setDefault(true);
    for (int a = 1; a <= kActivitats; ++a) {
        upAct_[a]->setRange(0, edicio_.nivellMaxim(a));
        upAct_[a]->setEnabled(edicio_.nivellEditable(a));
        const bool inclosa = sessio_.grup.ofereix(a);
        activitat_[a]->setEnabled(inclosa);
        nValor_[a]->setEnabled(inclosa);
    }

    connect(upNum_, &UpDown::valueChanged, this, [this](int v) {
        edicio_.camps().Numero = uint8_t(v);
        num_->setText(QString::number(v));
    });
    connect(nom_, &QLineEdit::textEdited, this, &Edicio::nomEditat);
    connect(imatge_, &QPushButton::clicked, this, &Edicio::triaImatge);
    connect(esborrar_, &QPushButton::clicked, this, &Edicio::esborraImatge);
    connect(mou_[0], &QPushButton::clicked, this, [this] {
        nom_->setFocus();
        reject();
    });
    connect(mou_[1], &QPushButton::clicked, this, &Edicio::accio);
    connect(importa_, &QPushButton::clicked, this, &Edicio::importa);
    connect(mou_[2], &QPushButton::clicked, this, [this] { mou(-1); });
    connect(mou_[3], &QPushButton::clicked, this, [this] { mou(1); });
}

void Edicio::posaTextos() {
    setWindowTitle(text(edicio_.idTitol()));
    const int etiquetes[6] = {IdText::kNumero,    IdText::kNom,    IdText::kNivell,
                              IdText::kNumeracio, IdText::kCalcul, IdText::kNivell};
    for (int i = 0; i < 6; ++i)
        etiqueta_[i]->setText(text(etiquetes[i]));
    upNum_->setAccessibleName(text(IdText::kNumero));
    nom_->setAccessibleName(text(IdText::kNom));
    for (int a = 1; a <= kActivitats; ++a) {
        activitat_[a]->setText(" " + text(IdText::activitat(a)));
        upAct_[a]->setAccessibleName(text(IdText::activitat(a)));
    }
    imatge_->setToolTip(text(IdText::kImatgeIdentificativa));
    imatge_->setAccessibleName(text(IdText::kImatgeIdentificativa));
    esborrar_->setToolTip(text(IdText::kEliminar));
    esborrar_->setAccessibleName(text(IdText::kEliminar));
    importa_->setText(text(IdText::kImportar));
    importa_->setToolTip(text(IdText::kImportarLlista));
    importa_->setAccessibleName(text(IdText::kImportarLlista));
    const int botons[4] = {IdText::kSortir, edicio_.idAccio(), IdText::kAnterior, IdText::kSeguent};
    for (int i = 0; i < 4; ++i) {
        mou_[i]->setText(text(botons[i]));
        mou_[i]->setAccessibleName(TextUtil::trimSpaces(mou_[i]->text()));
    }
}

void Edicio::mostraCamps() {
    const Registre& r = edicio_.camps();
    const bool res = edicio_.mode() != EdicioRegistres::Mode::Afegir && edicio_.fila() < 0;
    num_->setText(res ? QString() : QString::number(r.Numero));
    upNum_->setValue(r.Numero);
    nom_->setText(TextUtil::trimSpaces(r.Nom));
    for (int a = 1; a <= kActivitats; ++a) {
        nValor_[a]->setText(res ? QString() : QString::number(r.Nivell[a - 1]));
        upAct_[a]->setValue(r.Nivell[a - 1]);
    }
    mostraImatge();
}

void Edicio::mostraImatge() {
    QIcon icona;
    const QString cami = ImatgeAlumne::ruta(sessio_.carpeta, edicio_.camps().Imatge);
    const QPixmap pixmap = cami.isEmpty() ? QPixmap() : QPixmap(cami);
    if (!pixmap.isNull()) {
        const QPixmap escalat = pixmap.scaled(imatge_->iconSize() * devicePixelRatioF(),
                                              Qt::KeepAspectRatio, Qt::SmoothTransformation);
        icona.addPixmap(escalat, QIcon::Normal);
        // While deleting the button is disabled yet shows the picture as it is.
        icona.addPixmap(escalat, QIcon::Disabled);
    }
    imatge_->setIcon(icona);
}

void Edicio::nomEditat(const QString& text) {
    const QString majuscules = text.toUpper();
    if (majuscules != text) {
        const int cursor = nom_->cursorPosition();
        nom_->setText(majuscules.left(nom_->maxLength()));
        nom_->setCursorPosition(cursor);
    }
    edicio_.camps().Nom = nom_->text();
}

void Edicio::triaImatge() {
    const TriaFitxer tria = triaFitxer() ? triaFitxer() : dialegFitxer;
    const QString cami =
        tria(this, text(IdText::kImatgeIdentificativa), filtre(text(IdText::kFitxersGrafics)));
    if (cami.isEmpty())
        return;
    // A file no picture can be read from (a header alone is not enough) is not copied: the picture
    // shown stays the one the record will store.
    if (QImageReader(cami).read().isNull())
        return;
    const QString nom = ImatgeAlumne::copia(sessio_.carpeta, cami);
    if (nom.isEmpty()) {
        avisaError();
        return;
    }
    edicio_.camps().Imatge = nom;
    mostraImatge();
}

void Edicio::esborraImatge() {
    edicio_.camps().Imatge.clear();
    mostraImatge();
}

void Edicio::accio() {
    nom_->setFocus();
    switch (edicio_.mode()) {
    case EdicioRegistres::Mode::Afegir:
        if (avisa(edicio_.afegeix()))
            mostraCamps();
        break;
    case EdicioRegistres::Mode::Editar: {
        EdicioRegistres::Historial historial = EdicioRegistres::Historial::Igual;
        // The record holds the new name even when its history could not follow: that is said.
        const bool desat = avisa(edicio_.edita(&historial));
        if (desat && historial == EdicioRegistres::Historial::Error)
            avisaError();
        if (desat && edicio_.conflicte())
            Missatges::Informacio(text(IdText::kNivellCanviatAltreOrdinador),
                                  sessio_.general.Idioma, this);
        if (desat)
            mostraCamps();
        break;
    }
    case EdicioRegistres::Mode::Eliminar:
        edicio_.elimina();
        mostraCamps();
        mou_[1]->setEnabled(edicio_.accioActiva());
        break;
    }
}

void Edicio::importa() {
    nom_->setFocus();
    const TriaFitxer tria = triaFitxer() ? triaFitxer() : dialegFitxer;
    const QString cami = tria(this, text(IdText::kImportarLlista),
                              text(IdText::kLlistesAlumnes) + QStringLiteral(" (*.txt *.csv)"));
    if (cami.isEmpty())
        return;
    QFile fitxer(cami);
    if (fitxer.size() > kMidaMaximaLlista || !fitxer.open(QIODevice::ReadOnly)) {
        Missatges::Informacio(text(IdText::kNoEsPotLlegirFitxer), sessio_.general.Idioma, this);
        return;
    }
    const ImportaLlista::Pla pla = ImportaLlista::planifica(
        fitxer.readAll(), edicio_.files(), cami.endsWith(".csv", Qt::CaseInsensitive));
    if (!ImportacioLlista::Confirma(sessio_, pla, this))
        return;
    if (!edicio_.afegeixVarios(pla.nous)) {
        avisaError();
        return;
    }
    mostraCamps();
}

void Edicio::mou(int passos) {
    nom_->setFocus();
    if ((passos < 0 ? edicio_.anterior() : edicio_.seguent())) {
        mostraCamps();
        return;
    }
    if (so_)
        so_->ReproduirSo(kSoAvis);
    else
        QApplication::beep();
}

bool Edicio::avisa(EdicioRegistres::Resultat resultat) {
    switch (resultat) {
    case EdicioRegistres::Resultat::Desat:
        return true;
    case EdicioRegistres::Resultat::SenseNom:
        Missatges::Informacio(text(IdText::kNomImprescindible), sessio_.general.Idioma, this);
        break;
    case EdicioRegistres::Resultat::NomNoValid:
        Missatges::Informacio(text(IdText::kNomNoValid), sessio_.general.Idioma, this);
        break;
    case EdicioRegistres::Resultat::NoDesat:
        avisaError();
        break;
    }
    return false;
}

void Edicio::avisaError() {
    Missatges::Informacio(text(IdNoDesat()), sessio_.general.Idioma, this);
}

void Edicio::done(int result) {
    if (edicio_.esborrats()) {
        const bool si =
            Missatges::Pregunta(text(IdText::kEliminarRegistres), sessio_.general.Idioma, this);
        if (!edicio_.tanca(si))
            avisaError();
    }
    QDialog::done(result);
}
