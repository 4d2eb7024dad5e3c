#include "frontpage/Portada.h"

#include "board/ui/Pissarra.h"
#include "core/Activitat.h"
#include "core/Sessio.h"
#include "core/SoundPlayer.h"
#include "core/ui/Lletra.h"
#include "core/ui/Missatges.h"
#include "core/ui/TabPicture.h"
#include "core/ui/Units.h"
#include "frontpage/AnimalsGrups.h"
#include "frontpage/BotoArrodonit.h"
#include "frontpage/BotoGrup.h"
#include "frontpage/BotoPersiana.h"
#include "frontpage/Contrasenya.h"
#include "frontpage/ImatgesPortada.h"
#include "frontpage/LlistaImpresa.h"
#include "frontpage/Marc.h"
#include "frontpage/Pas.h"
#include "frontpage/Pestanyes.h"
#include "frontpage/PortadaLayout.h"
#include "frontpage/RotolEscalat.h"
#include "frontpage/Sanefa.h"
#include "frontpage/fIdioma.h"
#include "history/ui/fHistoric.h"
#include "levels/ui/fConfig.h"
#include "records/ui/Assignar.h"
#include "records/ui/Edicio.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>

namespace L = PortadaLayout;

namespace {

constexpr int kPestanyes = 10;
constexpr int kNomPestanya0 = 5; // "Portada"; the activities follow
constexpr int kMidaTitol = 20;
constexpr int kMidaTitolBasc = 16;
constexpr int kBasc = 3;
constexpr int kPuntsGraella = 8;
constexpr int kPuntsValor = 12;
constexpr int kPuntsTitolBarra = 8;
constexpr int kTwipsPerPixel = 15;
constexpr int kMaxColorsPocs = 256;

// The tool-tip ids of bEines(0..8) and of the exit button.
constexpr int kAjudaEina[9] = {172, 171, 173, 179, 174, 175, 176, 177, 178};
constexpr int kAjudaSortida = 170;
constexpr int kAjudaHistorial = 177;
constexpr int kClauAcces = 28;
constexpr int kErrorImpressio = 109;

const QColor kFons(0xFF, 0xF1, 0xD0);
const QColor kCarta(0xFF, 0xFD, 0xF6);        // buttons and cards
const QColor kFocus(0xE4, 0x57, 0x2E);        // the outline of the focused button
const QColor kVoraInactiva(0xD8, 0xCD, 0xB8); // the outline of a disabled button
const QColor kVoraVerda(0x9C, 0xCB, 0x7A);    // the pupil bar and the pupil's picture
// The tools and the exit: cards that warm up under the mouse.
const BotoArrodonit::Estil kEstilEina{kCarta,
                                      QColor(0xD9, 0xA9, 0x5A),
                                      QColor(0xFF, 0xF0, 0xC8),
                                      QColor(0xF5, 0xD3, 0x8C),
                                      kFocus,
                                      QColor(0xEF, 0xE8, 0xDA),
                                      kVoraInactiva,
                                      1,
                                      3,
                                      8};
// The pupil's picture, green like the pupil bar.
const BotoArrodonit::Estil kEstilFoto{kCarta,
                                      kVoraVerda,
                                      QColor(0xEE, 0xF8, 0xE4),
                                      QColor(0xDD, 0xEF, 0xCB),
                                      kFocus,
                                      QColor(0xF3, 0xED, 0xE2),
                                      kVoraInactiva,
                                      2,
                                      3,
                                      10};
const QColor kTitol(0xE4, 0x57, 0x2E);
const QColor kOmbra(0x7A, 0x3B, 0x12);

QLabel* etiqueta(QWidget* pare, const char* nom, const QRect& twips, Qt::Alignment alineacio) {
    auto* l = new QLabel(pare);
    l->setObjectName(QString::fromUtf8(nom));
    l->setGeometry(tw(twips));
    l->setAlignment(alineacio);
    return l;
}

void colorText(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

// A one-line caption of the title frame, in the bold face at `punts` points.
QLabel* rotol(QWidget* pare, const char* nom, const QRect& twips, int punts, const QColor& color) {
    auto* l = new RotolEscalat(pare);
    l->setObjectName(QString::fromUtf8(nom));
    l->setGeometry(tw(twips));
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPointSize(punts);
    l->setFont(f);
    colorText(l, color);
    return l;
}

// `Command1`: it fills the middle row and takes part in nothing, so it paints nothing either.
class BotoInert : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {}
};

QFont mida(QFont f, int punts, bool negreta) {
    f.setPointSize(punts);
    f.setBold(negreta);
    return f;
}

QString netejat(const QString& ajuda) {
    return ajuda.trimmed();
}

} // namespace

Portada::Portada(Sessio& sessio, SoundPlayer& so, QWidget* parent)
    : QMainWindow(parent), sessio_(sessio), so_(so), estat_(sessio, so),
      demanaClau_([this] { return Pas::Demana(sessio_, this); }), canviaClau_([this] {
          Contrasenya finestra(sessio_, this);
          finestra.exec();
      }),
      obrePissarra_([this] { obreLaPissarra(); }) {
    construeix();
    disposaPerPantalla();
    aplicaIdioma();
    grups_[sessio_.general.GrupActual]->setSeleccionat(true);
    so.ReproduirSo(QString::number(sessio_.general.GrupActual));
}

// --- Building -------------------------------------------------------------------------------

void Portada::construeix() {
    // The window's own background is the page colour: nothing inside paints it again.
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, kFons);
    setPalette(paleta);
    auto* fons = new QWidget;
    fons->setObjectName("Fons");
    setCentralWidget(fons);

    llistes_ = new Pestanyes(fons);
    llistes_->setObjectName("Llistes");
    llistes_->setIconSize(QSize(TabPicture::kWidth, TabPicture::kHeight));
    for (int t = 0; t < kPestanyes; ++t) {
        auto* pagina = new QWidget;
        pagina->setFocusPolicy(Qt::NoFocus);
        llistes_->addTab(pagina, QString());
    }
    llistes_->setVoraPanell(QColor(0xD9, 0xA9, 0x5A));
    connect(llistes_, &QTabWidget::currentChanged, this, &Portada::pestanyaCanviada);
    sanefa_ = new Sanefa(fons);
    sanefa_->setObjectName("frieze");

    construeixGrups(fons);
    construeixBarres(fons);
    construeixPanel(fons);
    mostraPanel(false);
    ordreTabulacio();
}

void Portada::construeixGrups(QWidget* fons) {
    pGrups_ = new QWidget(fons);
    pGrups_->setObjectName("pGrups");

    command1_ = new BotoInert(pGrups_);
    command1_->setObjectName("Command1");
    command1_->setGeometry(tw(L::kCommand1));
    command1_->setFocusPolicy(Qt::NoFocus);

    frame1_ = new Marc({QColor(0xFF, 0xE0, 0x8A), QColor(0xE8, 0xA3, 0x3D), 2, 14}, pGrups_);
    frame1_->setObjectName("Frame1");
    frame1_->setGeometry(tw(L::kFrame1));
    // The title's size follows the language (aplicaIdioma).
    programa_[0] = rotol(frame1_, "lblPrograma_0", L::kPrograma0, kMidaTitol, kOmbra);
    programa_[1] = rotol(frame1_, "lblPrograma_1", L::kPrograma1, kMidaTitol, kTitol);
    autor_ = rotol(frame1_, "lblAutor", L::kAutor, 11, QColor(0x5A, 0x3A, 0x10));
    data_ = rotol(frame1_, "lblData", L::kData, 8, QColor(0x7A, 0x5A, 0x30));

    for (int g = 1; g <= 16; ++g) {
        grups_[g] = new BotoGrup(g, pGrups_);
        grups_[g]->setGeometry(tw(L::grup(g)));
        connect(grups_[g], &QAbstractButton::clicked, this, [this, g] { grupPremut(g); });
    }
}

void Portada::construeixBarres(QWidget* fons) {
    pSortida_ = new QWidget(fons);
    pSortida_->setObjectName("pSortida");
    bSortida_ = new BotoArrodonit(kEstilEina, pSortida_);
    bSortida_->setObjectName("bSortida");
    bSortida_->setGeometry(tw(L::kBotoSortida));
    bSortida_->setFont(Lletra::negreta());
    bSortida_->setIconSize(QSize(tw(420), tw(420)));
    bSortida_->setIcon(
        ImatgesPortada::eina(-1, bSortida_->iconSize().width(), devicePixelRatioF()));
    connect(bSortida_, &QPushButton::clicked, this, &QWidget::close);
    bSortida_->installEventFilter(this);

    pPortada_ = new QWidget(fons);
    pPortada_->setObjectName("pPortada");
    pEines_ = new QWidget; // placed in the list page once it exists
    pEines_->setObjectName("pEines");
    for (int i = 0; i < 9; ++i) {
        bEines_[i] = new BotoArrodonit(kEstilEina, i <= 2 ? pPortada_ : pEines_);
        bEines_[i]->setObjectName(QStringLiteral("bEines_%1").arg(i));
        bEines_[i]->setGeometry(tw(L::eina(i)));
        const int costat = i <= 2 ? tw(480) : tw(450);
        bEines_[i]->setIconSize(QSize(costat, costat));
        bEines_[i]->hide();
        bEines_[i]->installEventFilter(this);
        connect(bEines_[i], &QPushButton::clicked, this, [this, i] { einaPremuda(i); });
    }

    const QRect persianes[2] = {L::kPersiana, L::kPersiana0};
    const char* noms[2] = {"Persiana", "Persiana0"};
    const char* panys[2] = {"Pany", "Pany0"};
    QWidget* pares[2] = {pEines_, pPortada_};
    const QRect llocPany[2] = {{L::kXPany, L::kPanyTancat, L::kMidaPany, L::kMidaPany},
                               {L::kPany0Tancat, L::kYPany0, L::kMidaPany, L::kMidaPany}};
    for (int q = 0; q < 2; ++q) {
        persiana_[q] = new BotoPersiana(q == 0 ? Qt::Vertical : Qt::Horizontal, pares[q]);
        persiana_[q]->setObjectName(noms[q]);
        persiana_[q]->setGeometry(tw(persianes[q]));
        persiana_[q]->setMida(q == 0 ? L::kPersiana.height() : L::kPersiana0.width());
        connect(persiana_[q], &QAbstractButton::clicked, this, [this, q] { persianaPremuda(q); });
        pany_[q] = new QLabel(pares[q]);
        pany_[q]->setObjectName(panys[q]);
        pany_[q]->setGeometry(tw(llocPany[q]));
        pany_[q]->setAttribute(Qt::WA_TransparentForMouseEvents);
        pany_[q]->setPixmap(ImatgesPortada::pany(false, tw(L::kMidaPany), devicePixelRatioF()));
    }
}

void Portada::construeixPanel(QWidget* fons) {
    panel_ = new QWidget(fons);
    panel_->setObjectName("Panel");
    QPalette paleta = panel_->palette();
    paleta.setColor(QPalette::Window, kFons);
    panel_->setPalette(paleta);
    panel_->setAutoFillBackground(true);

    frame2_ = new Marc({QColor(0xE3, 0xF3, 0xD3), kVoraVerda, 1, 8}, panel_);
    frame2_->setObjectName("Frame2");
    frame2_->setGeometry(tw(L::kFrame2));
    const char* titols[3] = {"lblNúmero", "lblNivell", "lblNom"};
    const char* valors[3] = {"tNúmero", "tNom", "tNivell"};
    QLabel** llocsTitol[3] = {&lblNumero_, &lblNivell_, &lblNom_};
    QLabel** llocsValor[3] = {&tNumero_, &tNom_, &tNivell_};
    for (int c = 0; c < 3; ++c) {
        const L::ColumnaBarra col = L::kBarra[c];
        const Qt::Alignment alineacio = c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
        QLabel* titol = etiqueta(frame2_, titols[c],
                                 {col.x, L::kYTitolBarra, col.ample, L::kAltTitolBarra}, alineacio);
        titol->setFont(mida(titol->font(), kPuntsTitolBarra, false));
        colorText(titol, QColor(0x3F, 0x6B, 0x22));
        QLabel* valor = etiqueta(frame2_, valors[c],
                                 {col.x, L::kYValorBarra, col.ample, L::kAltValorBarra}, alineacio);
        valor->setFont(mida(valor->font(), kPuntsValor, true));
        colorText(valor, QColor(0x1F, 0x3A, 0x10));
        *llocsTitol[c] = titol;
        *llocsValor[c] = valor;
    }

    farcit_ =
        new Marc({QColor(0xFF, 0xFB, 0xF0), QColor(0xE3, 0xC8, 0x94), 1, 6, Qt::DashLine}, panel_);
    farcit_->setObjectName("filler");

    semafor_ = new QPushButton(panel_);
    semafor_->setObjectName(QString::fromUtf8("Semàfor"));
    semafor_->hide();
    const QSize foto = tw(L::kImatgeGrup).size() - QSize(8, 8);
    QIcon defecte;
    defecte.addPixmap(
        ImatgesPortada::semafor(true, foto.width(), foto.height(), devicePixelRatioF()),
        QIcon::Normal);
    defecte.addPixmap(
        ImatgesPortada::semafor(false, foto.width(), foto.height(), devicePixelRatioF()),
        QIcon::Disabled);
    semafor_->setIcon(defecte);

    imatgeGrup_ = new BotoArrodonit(kEstilFoto, panel_);
    imatgeGrup_->setObjectName("ImatgeGrup");
    imatgeGrup_->setGeometry(tw(L::kImatgeGrup));
    imatgeGrup_->setIconSize(foto);
    imatgeGrup_->setIcon(defecte);
    imatgeGrup_->setEnabled(false);
    imatgeGrup_->installEventFilter(this);
    connect(imatgeGrup_, &QPushButton::clicked, this, &Portada::iniciaPissarra);

    pEines_->setParent(panel_);
    pEines_->setGeometry(tw(L::kEines));
}

// The pupil grid is built the first time a list is shown rather than with the window: the front
// page opens on the groups, and a table with its headers and their fonts is the dearest thing on
// it to build.
QTableWidget* Portada::graella() {
    if (relacio_)
        return relacio_;
    relacio_ = new QTableWidget(0, LlistaAlumnes::kColumnes, panel_);
    relacio_->setObjectName(QString::fromUtf8("Relació"));
    // The grid's own font is set before anything inside it is laid out with the inherited one.
    const QFont lletra = Lletra::arial(kPuntsGraella);
    relacio_->setFont(lletra);
    relacio_->horizontalHeader()->setFont(lletra);
    relacio_->move(tw(L::kXRelacio), tw(L::kYRelacio));
    relacio_->setSelectionBehavior(QAbstractItemView::SelectRows);
    relacio_->setSelectionMode(QAbstractItemView::SingleSelection);
    relacio_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    relacio_->setTabKeyNavigation(false);
    relacio_->setSortingEnabled(false);
    relacio_->setWordWrap(false);
    relacio_->verticalHeader()->hide();
    relacio_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    relacio_->verticalHeader()->setDefaultSectionSize(tw(L::kAltFila));
    relacio_->horizontalHeader()->setFixedHeight(tw(L::kAltFila));
    relacio_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    relacio_->horizontalHeader()->setSectionsClickable(false);
    relacio_->horizontalHeader()->setHighlightSections(false);
    relacio_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    relacio_->setAlternatingRowColors(true);
    relacio_->setStyleSheet(
        "QTableWidget { background: white; alternate-background-color: #FFF8E8;"
        " gridline-color: #E8D9BC; }"
        "QHeaderView::section { background: #F6E3B8; border: none;"
        " border-right: 1px solid #E0C48E; border-bottom: 1px solid #E0C48E; }");
    for (int c = 0; c < LlistaAlumnes::kColumnes; ++c)
        relacio_->setHorizontalHeaderItem(c, new QTableWidgetItem);
    connect(relacio_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) { filaCanviada(actual.row()); });

    // Where it would have been had it been built with the window: under the filler, after the
    // level-set tools in the tab order.
    relacio_->stackUnder(farcit_);
    setTabOrder(bEines_[2], relacio_);
    setTabOrder(relacio_, imatgeGrup_);
    relacio_->setAccessibleName(sessio_.nomGrup(sessio_.general.GrupActual));
    coloraGraellaPocsColors();
    return relacio_;
}

// Top to bottom, left to right: the tabs, the groups ring by rows, the exit and the bottom blind
// with its tools; on a list page the grid, the pupil's picture and the side blind with its tools.
void Portada::ordreTabulacio() {
    QList<QWidget*> ordre{llistes_->tabBar()};
    for (int g = 1; g <= 16; ++g)
        ordre << grups_[g];
    ordre << bSortida_ << persiana_[1] << bEines_[1] << bEines_[0] << bEines_[2] << imatgeGrup_
          << persiana_[0];
    for (int i = 3; i <= 8; ++i)
        ordre << bEines_[i];
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre.at(i - 1), ordre.at(i));
}

void Portada::disposaPerPantalla() {
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    const int alcada = pantalla ? pantalla->geometry().height() * kTwipsPerPixel : 0;
    const L::Disposicio d = L::perPantalla(alcada);
    llistes_->setGeometry(tw(d.llistes));
    pGrups_->setGeometry(tw(d.grups));
    panel_->setGeometry(tw(d.panel));
    pSortida_->setGeometry(tw(d.sortida));
    pPortada_->setGeometry(tw(d.portada));
    setFixedSize(tw(L::kAmpleFinestra), tw(d.altFinestra()));
    const QRect sanefa = L::sanefa(d);
    sanefa_->setVisible(!sanefa.isEmpty());
    sanefa_->setGeometry(tw(sanefa));
    if (pantalla) {
        QRect lloc(QPoint(), size());
        lloc.moveCenter(pantalla->availableGeometry().center());
        move(lloc.topLeft());
    }
}

// Displays of 256 colours or fewer cannot show the grid's tints: plain colours instead.
void Portada::coloraGraellaPocsColors() {
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pantalla || (1LL << qMin(pantalla->depth(), 62)) > kMaxColorsPocs)
        return;
    relacio_->setStyleSheet(QString());
    relacio_->setAlternatingRowColors(false);
    QPalette p = relacio_->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Highlight, colorBgr(0xFF0000));
    p.setColor(QPalette::HighlightedText, colorBgr(0xFFFF00));
    relacio_->setPalette(p);
}

// --- Texts ----------------------------------------------------------------------------------

void Portada::aplicaIdioma() {
    for (int g = 1; g <= 16; ++g)
        grups_[g]->setNom(sessio_.nomGrup(g));
    setWindowTitle(estat_.titol());
    refrescaActivitats();

    const int punts = sessio_.general.Idioma == kBasc ? kMidaTitolBasc : kMidaTitol;
    for (QLabel* l : programa_) {
        l->setFont(mida(l->font(), punts, true));
        l->setText(sessio_.text(2));
    }
    autor_->setText(sessio_.text(3));
    data_->setText(sessio_.text(4));
    lblNumero_->setText(sessio_.text(18));
    lblNivell_->setText(sessio_.text(19));
    lblNom_->setText(sessio_.text(20));

    for (int i = 0; i < 9; ++i) {
        bEines_[i]->setToolTip(sessio_.text(kAjudaEina[i]));
        bEines_[i]->setAccessibleName(netejat(sessio_.text(kAjudaEina[i])));
    }
    bSortida_->setToolTip(sessio_.text(kAjudaSortida));
    bSortida_->setAccessibleName(netejat(sessio_.text(kAjudaSortida)));
    bSortida_->setText(netejat(sessio_.text(80)));
    for (BotoPersiana* p : persiana_)
        p->setAccessibleName(sessio_.text(kClauAcces));
    if (relacio_)
        relacio_->setAccessibleName(sessio_.nomGrup(sessio_.general.GrupActual));
    mostraSeleccio();
}

void Portada::refrescaActivitats() {
    estat_.refrescaActivitats();
    const qreal dpr = devicePixelRatioF();
    QTabBar* barra = llistes_->tabBar();
    const QSignalBlocker bloqueig(llistes_);
    for (int t = 0; t < kPestanyes; ++t) {
        llistes_->setTabText(t, QString());
        llistes_->setTabIcon(t, ImatgePestanya(t, sessio_.general.Idioma, dpr));
        llistes_->setTabVisible(t, estat_.pestanyaVisible(t));
        const QString nom = sessio_.text(kNomPestanya0 + t);
        llistes_->setTabToolTip(t, nom);
        barra->setAccessibleTabName(t, nom);
    }
    // A hidden tab may have handed the selection to another one while signals were blocked.
    if (llistes_->currentIndex() != estat_.pestanya())
        pestanyaCanviada(llistes_->currentIndex());
    barra->updateGeometry();
    llistes_->update();
    pGrups_->update();
    pSortida_->update();
}

// --- Groups and tabs ------------------------------------------------------------------------

void Portada::grupPremut(int grup) {
    const int anterior = sessio_.general.GrupActual;
    if (!estat_.triaGrup(grup))
        return;
    grups_[anterior]->setSeleccionat(false);
    grups_[grup]->setSeleccionat(true);
    setWindowTitle(estat_.titol());
    if (relacio_)
        relacio_->setAccessibleName(sessio_.nomGrup(grup));
    refrescaActivitats();
}

void Portada::pestanyaCanviada(int nova) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (estat_.canviaPestanya(nova)) {
    case EstatPortada::Canvi::Llegida:
        ompleGraella();
        formataGraella();
        mostraSeleccio();
        mostraPanel(true);
        graella()->setFocus();
        break;
    case EstatPortada::Canvi::Portada:
        mostraPanel(false);
        break;
    case EstatPortada::Canvi::Rellegida:
        ompleGraella();
        formataGraella();
        mostraSeleccio();
        break;
    case EstatPortada::Canvi::NomesAmples:
        posaAmples(L::amplesLlistaBuida(nova));
        break;
    case EstatPortada::Canvi::Cap:
        break;
    }
    QApplication::restoreOverrideCursor();
    bEines_[7]->setToolTip(sessio_.text(kAjudaHistorial) + ": " + tNom_->text());
}

void Portada::mostraPanel(bool panel) {
    pGrups_->setVisible(!panel);
    pSortida_->setVisible(!panel);
    pPortada_->setVisible(!panel);
    panel_->setVisible(panel);
    if (panel)
        panel_->raise();
}

// --- The pupil list -------------------------------------------------------------------------

void Portada::ompleGraella() {
    QTableWidget* g = graella();
    omplint_ = true;
    const QList<FilaAlumne>& files = estat_.files();
    g->clearContents();
    // An empty list still shows one blank line under the headings.
    g->setRowCount(files.isEmpty() ? 1 : int(files.size()));
    for (int r = 0; r < files.size(); ++r) {
        for (int c = 0; c < LlistaAlumnes::kColumnes; ++c) {
            auto* item = new QTableWidgetItem(files.at(r).value(c));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(c == LlistaAlumnes::kColNom ? Qt::AlignLeft | Qt::AlignVCenter
                                                               : Qt::AlignCenter);
            g->setItem(r, c, item);
        }
    }
    if (estat_.fila() >= 0)
        g->setCurrentCell(estat_.fila(), LlistaAlumnes::kColNom);
    else
        g->setCurrentCell(-1, -1);
    omplint_ = false;
}

void Portada::formataGraella() {
    QTableWidget* g = graella();
    g->horizontalHeaderItem(0)->setText(sessio_.text(91));
    g->horizontalHeaderItem(0)->setTextAlignment(Qt::AlignCenter);
    g->horizontalHeaderItem(1)->setText(sessio_.text(92));
    g->horizontalHeaderItem(1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int a = 1; a <= 9; ++a) {
        g->horizontalHeaderItem(a + 1)->setText(sessio_.text(a + 5));
        g->horizontalHeaderItem(a + 1)->setTextAlignment(Qt::AlignCenter);
    }
    const int files = g->rowCount() + 1;
    const L::FormatGraella f = L::formatGraella(estat_.pestanya(), files, estat_.buida());
    posaAmples(f.amples);
    g->setVerticalScrollBarPolicy(f.barra ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    g->resize(tw(L::kAmpleRelacio), tw(f.alcada));
    farcit_->setGeometry(tw(f.farcit));
}

void Portada::posaAmples(const std::array<int, 13>& amples) {
    QTableWidget* g = graella();
    for (int c = 0; c < LlistaAlumnes::kColumnes; ++c) {
        g->setColumnHidden(c, amples[c] == 0);
        if (amples[c] > 0)
            g->setColumnWidth(c, tw(amples[c]));
    }
}

void Portada::filaCanviada(int fila) {
    if (omplint_ || estat_.pestanya() == 0 || estat_.buida())
        return;
    estat_.seleccionaFila(fila);
    mostraSeleccio();
}

void Portada::mostraSeleccio() {
    tNumero_->setText(estat_.numero());
    tNom_->setText(estat_.nom());
    tNivell_->setText(estat_.nivell());

    QPixmap foto;
    if (const QString ruta = estat_.rutaImatge(); !ruta.isEmpty())
        foto.load(ruta);
    if (foto.isNull()) {
        imatgeGrup_->setIcon(semafor_->icon());
    } else {
        foto = foto.scaled(imatgeGrup_->iconSize() * devicePixelRatioF(), Qt::KeepAspectRatio,
                           Qt::SmoothTransformation);
        foto.setDevicePixelRatio(devicePixelRatioF());
        QIcon icona;
        icona.addPixmap(foto, QIcon::Normal);
        icona.addPixmap(foto, QIcon::Disabled);
        imatgeGrup_->setIcon(icona);
    }
    imatgeGrup_->setEnabled(estat_.imatgeActiva());
    imatgeGrup_->setAccessibleName(
        estat_.nom().isEmpty() ? sessio_.text(kNomPestanya0 + estat_.pestanya()) : estat_.nom());
    // The history tool names the pupil it would open.
    bEines_[7]->setToolTip(sessio_.text(kAjudaHistorial) + ": " + estat_.nom());
}

void Portada::nivellSuperat(int activitat, const QString& text) {
    estat_.nivellSuperat(activitat, text);
    const int fila = estat_.fila();
    if (relacio_ && fila >= 0 && fila < relacio_->rowCount())
        if (QTableWidgetItem* item =
                relacio_->item(fila, LlistaAlumnes::kColNivell1 + activitat - 1))
            item->setText(text);
    mostraSeleccio();
}

void Portada::iniciaPissarra() {
    using Accio = EstatPortada::Inici::Accio;
    const EstatPortada::Inici inici = estat_.comprovaInici();
    if (inici.accio == Accio::Missatge)
        Missatges::Informacio(sessio_.text(inici.missatge), sessio_.general.Idioma, this);
    else if (inici.accio == Accio::ObrePissarra && obrePissarra_)
        obrePissarra_();
}

// --- Tools and blinds -----------------------------------------------------------------------

void Portada::einaPremuda(int index) {
    estat_.einaPremuda(index);
    switch (index) {
    case 0:
        if (canviaClau_)
            canviaClau_();
        if (sessio_.general.Demanar == 1)
            TancaPersiana0();
        break;
    case 1:
        // The hourglass covers the editor's opening only: once its window is up and running,
        // the teacher works with the normal pointer.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QTimer::singleShot(0, this, [] { QApplication::restoreOverrideCursor(); });
        fConfig::Obre(sessio_, this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        refrescaActivitats();
        QApplication::restoreOverrideCursor();
        break;
    case 2: {
        fIdioma finestra(sessio_, this);
        finestra.exec();
        aplicaIdioma();
        break;
    }
    case 3:
        Assignar::Obre(sessio_, this);
        refrescaActivitats();
        break;
    case 4:
        if (!estat_.potAfegir())
            Missatges::Informacio(sessio_.text(110), sessio_.general.Idioma, this);
        else
            editaRegistres(0);
        break;
    case 5:
    case 6:
        if (!estat_.buida())
            editaRegistres(index - 4);
        break;
    case 7:
        if (!estat_.buida())
            fHistoric::Obre(sessio_, QPixmap(estat_.rutaImatge()), this);
        break;
    case 8:
        imprimeixLlista();
        break;
    default:
        break;
    }
}

// The board tells the front page about a passed level through this; nothing else of the front
// page is reachable from the board.
class Portada::Receptor : public ReceptorNivell {
public:
    explicit Receptor(Portada& portada) : portada_(portada) {}
    void nivellSuperat(int activitat, const Registre& registre, const QString& text) override {
        portada_.sessio_.registre = registre;
        portada_.nivellSuperat(activitat, text);
    }

private:
    Portada& portada_;
};

void Portada::obreLaPissarra() {
    if (estat_.fila() < 0 || estat_.fila() >= estat_.files().size())
        return;
    const FilaAlumne& fila = estat_.files().at(estat_.fila());
    Receptor receptor(*this);
    EntornSerie entorn;
    entorn.so = &so_;
    entorn.receptor = &receptor;
    const int grup = sessio_.general.GrupActual;
    const ObreSerie dades = ObreSerie::deSessio(sessio_, estat_.pestanya(),
                                                fila.value(LlistaAlumnes::kColPosicio).toInt(),
                                                uint32_t(QDateTime::currentMSecsSinceEpoch()));
    // The board shows the pupil's picture as the front page does: the default one when the
    // pupil's own cannot be loaded.
    QPixmap foto(estat_.rutaImatge());
    if (foto.isNull())
        foto = semafor_->icon().pixmap(imatgeGrup_->iconSize(), devicePixelRatioF(), QIcon::Normal);
    const ImatgesPissarra imatges{
        foto, AnimalsGrups::imatge(grup, sessio_.nomGrup(grup), 160, devicePixelRatioF())};
    Pissarra pissarra(dades, entorn, imatges, FabricaActivitats::crea, this);
    pissarra.exec();
}

void Portada::editaRegistres(int mode) {
    QList<QStringList> files = estat_.files();
    Edicio::Obre(sessio_, mode, files, estat_.fila(), &so_, this);
    // The editor wrote the file; the list is read from it again, keeping the row.
    estat_.rellegeix();
    ompleGraella();
    formataGraella();
    mostraSeleccio();
}

void Portada::imprimeixLlista() {
    if (estat_.buida())
        return;
    estat_.rellegeix();
    ompleGraella();
    formataGraella();
    mostraSeleccio();
    if (estat_.buida())
        return;
    const LlistaImpresa::Dades dades =
        LlistaImpresa::dades(sessio_, estat_.files(), QDate::currentDate());
    QPrinter impressora(QPrinter::HighResolution);
    LlistaImpresa::preparaImpressora(impressora);
    QPrintPreviewDialog vista(&impressora, this);
    vista.setObjectName("VistaPrevia");
    vista.setWindowTitle(netejat(sessio_.text(178)));
    bool error = false;
    connect(&vista, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter* p) { error = !LlistaImpresa::imprimeix(*p, dades) || error; });
    vista.exec();
    if (error)
        Missatges::Informacio(sessio_.text(kErrorImpressio), sessio_.general.Idioma, this);
}

void Portada::persianaPremuda(int quina) {
    BotoPersiana* persiana = persiana_[quina];
    if (persiana->enMoviment())
        return;
    if (persiana->oberta()) {
        tancaPersiana(quina);
        return;
    }
    if (sessio_.general.Demanar == 1 && demanaClau_ && !demanaClau_())
        return;
    obrePersiana(quina);
}

void Portada::obrePersiana(int quina) {
    estat_.persianaPremuda();
    pany_[quina]->hide();
    for (int i = quina == 0 ? 3 : 0; i <= (quina == 0 ? 8 : 2); ++i) {
        // A tool's picture is drawn the first time its blind opens, not with the window.
        if (bEines_[i]->icon().isNull())
            bEines_[i]->setIcon(
                ImatgesPortada::eina(i, bEines_[i]->iconSize().width(), devicePixelRatioF()));
        bEines_[i]->show();
    }
    const QList<int> passos = quina == 0
                                  ? L::passosObrir(L::kPersiana.height(), L::kPersianaOberta)
                                  : L::passosObrir(L::kPersiana0.width(), L::kPersiana0Oberta);
    persiana_[quina]->mou(passos, true, [this, quina] {
        pany_[quina]->setPixmap(ImatgesPortada::pany(true, tw(L::kMidaPany), devicePixelRatioF()));
        if (quina == 0)
            pany_[0]->move(tw(L::kXPany), tw(L::kPanyObert));
        else
            pany_[1]->move(tw(L::kPany0Obert), tw(L::kYPany0));
        pany_[quina]->show();
        pany_[quina]->raise();
    });
}

void Portada::tancaPersiana(int quina) {
    estat_.persianaPremuda();
    const QList<int> passos =
        quina == 0 ? L::passosTancar(L::kPersiana.height(), L::kIniciTancarPersiana)
                   : L::passosTancar(L::kPersiana0.width(), L::kIniciTancarPersiana0);
    persiana_[quina]->mou(passos, false, [this, quina] {
        pany_[quina]->setPixmap(ImatgesPortada::pany(false, tw(L::kMidaPany), devicePixelRatioF()));
        if (quina == 0)
            pany_[0]->move(tw(L::kXPany), tw(L::kPanyTancat));
        else
            pany_[1]->move(tw(L::kPany0Tancat), tw(L::kYPany0));
        pany_[quina]->show();
        for (int i = quina == 0 ? 3 : 0; i <= (quina == 0 ? 8 : 2); ++i)
            bEines_[i]->hide();
    });
}

void Portada::TancaPersiana() {
    if (persiana_[0]->oberta())
        tancaPersiana(0);
}

void Portada::TancaPersiana0() {
    if (persiana_[1]->oberta())
        tancaPersiana(1);
}

void Portada::setAnimacions(bool animacions) {
    for (BotoPersiana* p : persiana_) {
        p->setAnimacio(animacions);
        if (!animacions)
            p->acaba();
    }
}

bool Portada::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(event)->key();
        auto* boto = qobject_cast<QAbstractButton*>(watched);
        if (boto && boto->isEnabled() && (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
            boto->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
