#include "levels/ui/fConfig.h"

#include "core/ui/Escalat.h"
#include "core/ui/VistaPrevia.h"
#include "levels/ui/GraellaNivells.h"
#include "levels/ui/InformeNivells.h"
#include "levels/ui/PanelComptadors.h"
#include "levels/ui/PanelDivisio.h"
#include "levels/ui/PanelRang.h"
#include "levels/ui/PanelTaules.h"
#include "levels/ui/PanelXifres.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/ui/Missatges.h"
#include "core/ui/QtSoundPlayer.h"
#include "core/ui/TabPicture.h"
#include "core/ui/Units.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>

namespace {

// The captions of the `OpcCfg` buttons.
constexpr int kIdsOpcions[5] = {IdText::kAfegir, IdText::kEditar, IdText::kDuplicar,
                                IdText::kEliminar, IdText::kImprimir};
constexpr int kPocsColors = 8; // bits per pixel of a 256-colour display

// The tabs of the activities, in twips inside their column.
constexpr int kFullX = 240;
constexpr int kFullY = 120;
constexpr int kFullAmple = 1215;
constexpr int kFullAlt = 405;
constexpr int kFullPas = 510;
constexpr int kMarcadorX = 45;
constexpr int kMarcadorAmple = 135;
constexpr int kMarcadorSobre = 30;
// The tab pictures are drawn larger than on the front page: here they are the only way to tell
// the activities apart.
constexpr qreal kEscalaFull = 1.5;

constexpr int kPuntsEtiqueta = 14;

QPushButton* boto(const QString& nom) {
    auto* b = new QPushButton;
    b->setObjectName(nom);
    // Enter belongs to the name box, never to a button of the window.
    b->setAutoDefault(false);
    return b;
}

} // namespace

void fConfig::Obre(Sessio& sessio, QWidget* parent) {
    QtSoundPlayer so(sessio.carpeta);
    fConfig finestra(sessio, so, parent);
    Escalat::executa(finestra);
}

fConfig::fConfig(Sessio& sessio, SoundPlayer& so, QWidget* parent)
    : QDialog(parent), sessio_(sessio), so_(so),
      jocs_(
          sessio,
          [this](const QString& text) {
              return Missatges::Pregunta(text, sessio_.general.Idioma, this);
          },
          [this](const QString& text) {
              Missatges::Informacio(text, sessio_.general.Idioma, this);
          },
          [this] { return edicio_.files(); }),
      edicio_(jocs_) {
    setModal(true);
    jocs_.posaOcupat([](bool ocupat) {
        if (ocupat)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    construeix();
    posaTextos();
    if (screen() && screen()->depth() <= kPocsColors)
        graella_->pocsColors();

    jocs_.Obre();
    mouMarcador();
    mostraJoc();
}

void fConfig::construeix() {
    arxius_ = new QComboBox;
    arxius_->setObjectName("ArxiusCfg");
    arxius_->setMinimumWidth(tw(3600));
    nouNom_ = new QLineEdit;
    nouNom_->setObjectName("NouNom");
    nouNom_->hide();
    nouNom_->installEventFilter(this);
    auto* noms = new QGridLayout;
    noms->addWidget(arxius_, 0, 0);
    noms->addWidget(nouNom_, 0, 0);

    auto* barra = new QHBoxLayout;
    barra->addLayout(noms);
    barra->addSpacing(tw(240));
    for (int i = 0; i < 5; ++i) {
        opcCfg_[i] = boto(QStringLiteral("OpcCfg_%1").arg(i));
        barra->addWidget(opcCfg_[i]);
        connect(opcCfg_[i], &QPushButton::pressed, this, [this, i] { opcioPremuda(i); });
    }
    barra->addStretch();

    graella_ = new GraellaNivells;
    comptadors_ = new PanelComptadors;
    panel1_ = new PanelRang;
    panel2_ = new PanelXifres;
    panel3_ = new PanelTaules;
    panel4_ = new PanelDivisio;
    panells_ = new QStackedWidget;
    for (QWidget* p : {static_cast<QWidget*>(panel1_), static_cast<QWidget*>(panel2_),
                       static_cast<QWidget*>(panel3_), static_cast<QWidget*>(panel4_)})
        panells_->addWidget(p);
    auto* frame2 = new QFrame;
    frame2->setObjectName("Frame2");
    frame2->setFrameShape(QFrame::StyledPanel);
    auto* capsaPanells = new QVBoxLayout(frame2);
    capsaPanells->addWidget(panells_);
    comptadors_->setObjectName("Frame1");

    etiqueta_ = new QLabel;
    etiqueta_->setObjectName("Etiqueta");
    QFont gran = etiqueta_->font();
    gran.setPointSize(kPuntsEtiqueta);
    gran.setBold(true);
    etiqueta_->setFont(gran);

    mesNivells_ = boto("MésNivells");
    mesNivells_->setText("+");
    menysNivells_ = boto("MenysNivells");
    menysNivells_->setText("-");
    for (QPushButton* b : {mesNivells_, menysNivells_})
        b->setFixedSize(tw(450), tw(405));
    incloure_ = new QCheckBox;
    incloure_->setObjectName("Incloure");
    opcResta_ = new QCheckBox;
    opcResta_->setObjectName("OpcResta");
    bTancar_ = boto("bTancar");

    nivellsEti_ = new QLabel;
    auto* nivells = new QHBoxLayout;
    nivells->addWidget(nivellsEti_);
    nivells->addSpacing(tw(120));
    nivells->addWidget(mesNivells_);
    nivells->addWidget(menysNivells_);
    nivells->addSpacing(tw(360));
    nivells->addWidget(incloure_);
    nivells->addStretch();

    auto* dreta = new QVBoxLayout;
    dreta->addWidget(comptadors_);
    dreta->addWidget(frame2, 1);
    dreta->addWidget(opcResta_);

    quadre1_ = new QFrame;
    quadre1_->setObjectName("Quadre1");
    quadre1_->setFrameShape(QFrame::StyledPanel);
    auto* q1 = new QGridLayout(quadre1_);
    q1->setHorizontalSpacing(tw(360));
    q1->addWidget(etiqueta_, 0, 0, 1, 2);
    q1->addWidget(graella_, 1, 0, Qt::AlignTop);
    q1->addLayout(dreta, 1, 1);
    q1->addLayout(nivells, 2, 0);
    q1->addWidget(bTancar_, 2, 1, Qt::AlignRight);

    auto* mig = new QHBoxLayout;
    mig->addWidget(construeixFulls(), 0, Qt::AlignTop);
    mig->addWidget(quadre1_, 1);

    auto* tot = new QVBoxLayout(this);
    tot->addLayout(barra);
    tot->addLayout(mig, 1);

    connect(arxius_, &QComboBox::activated, this, &fConfig::triaJoc);
    connect(graella_, &GraellaNivells::nivellTriat, this, &fConfig::nivellTriat);
    connect(comptadors_, &PanelComptadors::comptador, this, &fConfig::comptadorMogut);
    connect(comptadors_, &PanelComptadors::incrementa, this, &fConfig::incrementPremut);
    connect(panel1_, &PanelRang::parametre, this, &fConfig::digitPremut);
    connect(panel2_, &PanelXifres::xifres, this, [this](int i) { parametreCanviat(1, i); });
    connect(panel2_, &PanelXifres::portant, this, &fConfig::portantClicat);
    connect(panel3_, &PanelTaules::parametre, this, &fConfig::parametreCanviat);
    connect(panel4_, &PanelDivisio::parametre, this, &fConfig::parametreCanviat);
    connect(mesNivells_, &QPushButton::clicked, this, &fConfig::mesNivellsPremut);
    connect(menysNivells_, &QPushButton::clicked, this, &fConfig::menysNivellsPremut);
    connect(incloure_, &QCheckBox::clicked, this, &fConfig::incloureClicat);
    connect(opcResta_, &QCheckBox::clicked, this, &fConfig::opcRestaClicat);
    connect(bTancar_, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* fConfig::construeixFulls() {
    quadre0_ = new QFrame;
    quadre0_->setObjectName("Quadre0");
    marcador_ = new QFrame(quadre0_);
    marcador_->setObjectName("Marcador");
    marcador_->setAutoFillBackground(true);
    QPalette blau = marcador_->palette();
    blau.setColor(QPalette::Window, QColor(0, 0, 255));
    marcador_->setPalette(blau);
    marcador_->resize(tw(kMarcadorAmple), tw(kFullAlt + 2 * kMarcadorSobre));
    const QSize mida(tw(kFullAmple), tw(kFullAlt));
    for (int a = 1; a <= kActivitats; ++a) {
        auto* full = new QPushButton(quadre0_);
        full->setObjectName(QStringLiteral("Fulls_%1").arg(a));
        full->setAutoDefault(false);
        full->setGeometry(QRect(QPoint(tw(kFullX), tw(kFullY + (a - 1) * kFullPas)), mida));
        full->setIconSize(QSize(qRound(TabPicture::kWidth * kEscalaFull),
                                qRound(TabPicture::kHeight * kEscalaFull)));
        fulls_[a] = full;
        connect(full, &QPushButton::clicked, this, [this, a] { fullPremut(a); });
    }
    quadre0_->setFixedSize(tw(kFullX + kFullAmple + kFullX),
                           tw(kFullY * 2 + (kActivitats - 1) * kFullPas + kFullAlt));
    return quadre0_;
}

void fConfig::posaTextos() {
    setWindowTitle(" " + sessio_.text(IdText::kPrograma) + ": " +
                   sessio_.text(IdText::kEditarNivells));
    for (int i = 0; i < 5; ++i)
        opcCfg_[i]->setText(sessio_.text(kIdsOpcions[i]));
    arxius_->setAccessibleName(sessio_.text(IdText::kNivells));
    const qreal dpr = devicePixelRatioF();
    for (int a = 1; a <= kActivitats; ++a) {
        QPixmap imatge = ImatgePestanya(a, sessio_.general.Idioma, dpr * kEscalaFull);
        imatge.setDevicePixelRatio(dpr);
        fulls_[a]->setIcon(imatge);
        fulls_[a]->setAccessibleName(sessio_.text(IdText::activitat(a)));
        fulls_[a]->setToolTip(sessio_.text(IdText::activitat(a)));
    }
    nivellsEti_->setText(sessio_.text(IdText::kNivells));
    mesNivells_->setAccessibleName(sessio_.text(IdText::kNivells) + " +");
    menysNivells_->setAccessibleName(sessio_.text(IdText::kNivells) + " -");
    incloure_->setText(sessio_.text(IdText::kActivitatInclosa));
    opcResta_->setText(sessio_.text(IdText::kAmbResta));
    bTancar_->setText(TextUtil::trimSpaces(sessio_.text(IdText::kSortir)));
    bTancar_->setToolTip(sessio_.text(IdText::kSortir));
    comptadors_->prepara(sessio_);
}

// --- Event handlers -----------------------------------------------------------------------

void fConfig::triaJoc(int index) {
    jocs_.Selecciona(index);
    mostraCanvis();
}

void fConfig::opcioPremuda(int i) {
    opcioTriada_ = i;
    // Acting on the press, a question box may take the release: the button must not stay down.
    opcCfg_[i]->setDown(false);
    graella_->setFocus();
    switch (i) {
    case 0:
    case 1:
        nouNom_->setText(i == 0 ? QString() : arxius_->currentText());
        nouNom_->setAccessibleName(opcCfg_[i]->text());
        nouNom_->show();
        nouNom_->raise();
        nouNom_->setFocus();
        break;
    case 2:
        jocs_.Duplica();
        mostraCanvis();
        break;
    case 3:
        if (jocs_.Elimina())
            mostraCanvis();
        break;
    case 4:
        imprimeix();
        break;
    default:
        break;
    }
}

void fConfig::nomEntrat() {
    const auto opcio = opcioTriada_ == 1 ? JocsNivells::Opcio::Editar : JocsNivells::Opcio::Afegir;
    if (!jocs_.EntraNom(nouNom_->text(), opcio))
        return;
    if (opcio == JocsNivells::Opcio::Afegir) {
        mostraCanvis();
    } else {
        // Only the name changed: the grid keeps the edits not yet written.
        const QSignalBlocker blocker(arxius_);
        arxius_->setItemText(jocs_.seleccionat(), jocs_.JocObert());
    }
    tornaALlista();
}

void fConfig::tornaALlista() {
    arxius_->setFocus();
    // Losing the focus hides the box; said again for a window that is not the active one.
    nouNom_->hide();
}

void fConfig::fullPremut(int a) {
    graella_->setFocus();
    so_.ReproduirSo(QStringLiteral("20"));
    // An activity that could not be stored stays shown, its edits on screen.
    if (!jocs_.CanviaActivitat(a))
        return;
    mouMarcador();
    mostraActivitat(1);
}

void fConfig::nivellTriat(int fila) {
    setUpdatesEnabled(false);
    SeleccionaNivell(fila);
    setUpdatesEnabled(true);
}

void fConfig::comptadorMogut(int i, int valor) {
    if (!editorsCarregats_)
        return;
    const int fila = graella_->filaActual();
    edicio_.posaComptador(fila, i, valor);
    graella_->pintaFila(fila, edicio_.files().value(fila - 1));
}

void fConfig::incrementPremut(int i, int k) {
    graella_->setFocus();
    edicio_.Increment(i, k);
    for (int fila = 1; fila <= edicio_.nivells(); ++fila)
        graella_->pintaFila(fila, edicio_.files().at(fila - 1));
    SeleccionaNivell(graella_->filaActual());
}

void fConfig::parametreCanviat(int quin, int valor) {
    if (!editorsCarregats_)
        return;
    const int fila = graella_->filaActual();
    edicio_.posaParametre(fila, quin, valor);
    graella_->pintaFila(fila, edicio_.files().value(fila - 1));
    // The other parameter may have followed.
    mostraParametres(fila);
}

void fConfig::digitPremut(int quin, int valor, bool ambRatoli) {
    if (ambRatoli)
        graella_->setFocus();
    parametreCanviat(quin, valor);
}

void fConfig::portantClicat(bool ambPortant) {
    const int fila = graella_->filaActual();
    if (edicio_.posaPortant(fila, ambPortant))
        graella_->pintaFila(fila, edicio_.files().value(fila - 1));
}

void fConfig::mesNivellsPremut() {
    if (edicio_.MesNivells())
        graella_->afegeixFila(edicio_.files().constLast());
}

void fConfig::menysNivellsPremut() {
    if (!edicio_.MenysNivells())
        return;
    graella_->treuUltimaFila();
    if (graella_->filaActual() >= edicio_.nivells() || graella_->filaActual() < 1)
        SeleccionaNivell(edicio_.nivells());
}

void fConfig::incloureClicat(bool inclosa) {
    if (!jocs_.CanviaIncloure(inclosa))
        incloure_->setChecked(true);
    graella_->setFocus();
}

void fConfig::opcRestaClicat(bool ambResta) {
    jocs_.CanviaOpcResta(ambResta);
}

void fConfig::imprimeix() {
    const int fila = graella_->filaActual();
    // The report shows the stored set: with changes that could not be stored there is nothing
    // true to print.
    if (!ArxivarConfig())
        return;
    // Printing leaves the set open: a fresh backup lets a later "No" go back to the printed state.
    jocs_.PrenCopiaSeguretat();
    mostraActivitat(fila);

    const InformeNivells::Dades dades = InformeNivells::dades(sessio_, jocs_.JocObert());
    QPrinter impressora(QPrinter::HighResolution);
    InformeNivells::preparaImpressora(impressora);
    vistaPrevia(impressora, this, sessio_.text(kIdsOpcions[4]) + ": " + jocs_.JocObert(),
                sessio_.general.Idioma,
                [&](QPrinter& p) { return InformeNivells::imprimeix(p, dades); });
}

bool fConfig::ArxivarConfig() {
    return jocs_.ArxivarConfig();
}

void fConfig::done(int resultat) {
    // Changes that "Sí" could not store keep the window open, so that "No" can still undo them.
    if (!ArxivarConfig())
        return;
    QDialog::done(resultat);
}

bool fConfig::eventFilter(QObject* watched, QEvent* event) {
    if (watched != nouNom_)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(event)->key();
        if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
            nomEntrat();
            return true;
        }
        if (tecla == Qt::Key_Escape) {
            tornaALlista();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A message box over the window takes the focus for a moment; the name stays to be
        // corrected.
        const Qt::FocusReason motiu = static_cast<QFocusEvent*>(event)->reason();
        if (motiu != Qt::ActiveWindowFocusReason && motiu != Qt::PopupFocusReason)
            nouNom_->hide();
    }
    return QDialog::eventFilter(watched, event);
}

// --- What the window shows ----------------------------------------------------------------

void fConfig::mostraJoc() {
    oberturesMostrades_ = jocs_.obertures();
    mostraLlista();
    mostraActivitat(1);
}

void fConfig::mostraLlista() {
    const QSignalBlocker blocker(arxius_);
    arxius_->clear();
    arxius_->addItems(jocs_.llista());
    arxius_->setCurrentIndex(jocs_.seleccionat());
}

void fConfig::mostraCanvis() {
    // A set that could not be settled stays open with its edits, which a reload would drop.
    if (jocs_.obertures() != oberturesMostrades_)
        mostraJoc();
    else
        mostraLlista();
}

template <class F> void fConfig::ambPanell(TipusActivitat activitat, F f) {
    switch (activitat) {
    case TipusActivitat::Cardinals:
    case TipusActivitat::Ordenacio:
        f(*panel1_);
        break;
    case TipusActivitat::Sumar:
    case TipusActivitat::Restar:
        f(*panel2_);
        break;
    case TipusActivitat::Ordinals:
    case TipusActivitat::Romans:
    case TipusActivitat::Taules:
        f(*panel3_);
        break;
    default:
        f(*panel4_);
        break;
    }
}

void fConfig::mostraActivitat(int fila) {
    // Preparing a panel for the new activity narrows its limits, which moves a scroll bar still
    // showing the previous activity's row; that move is no edit. SeleccionaNivell opens the
    // editors again once they show the new row.
    editorsCarregats_ = false;
    const int a = jocs_.ActivitatActual();
    const TipusActivitat tipus = tipusActivitat(a);
    etiqueta_->setText(sessio_.text(IdText::activitat(a)));
    graella_->PreparaGraella(tipus, sessio_);
    ambPanell(tipus, [this, tipus](auto& panell) {
        panell.prepara(tipus, sessio_);
        panells_->setCurrentWidget(&panell);
    });
    edicio_.CarregaActivitat();
    graella_->mostra(edicio_.files());
    incloure_->setChecked(sessio_.grup.ofereix(a));
    opcResta_->setChecked(sessio_.grup.ambResta());
    opcResta_->setVisible(tipus == TipusActivitat::Dividir);
    SeleccionaNivell(std::clamp(fila, 1, edicio_.nivells()));
}

void fConfig::SeleccionaNivell(int fila) {
    editorsCarregats_ = false;
    graella_->selecciona(fila);
    comptadors_->mostra(edicio_.dades(fila));
    mostraParametres(fila);
    editorsCarregats_ = true;
}

void fConfig::mostraParametres(int fila) {
    const QScopedValueRollback<bool> carregant(editorsCarregats_, false);
    const DadesNivell d = edicio_.dades(fila);
    ambPanell(tipusActivitat(jocs_.ActivitatActual()), [&d](auto& panell) { panell.mostra(d); });
}

void fConfig::mouMarcador() {
    const QPushButton* full = fulls_[jocs_.ActivitatActual()];
    marcador_->move(tw(kMarcadorX), full->y() - tw(kMarcadorSobre));
}
