#include "frontpage/Portada.h"

#include "board/ui/Pissarra.h"
#include "classe/ui/fResum.h"
#include "core/Activitat.h"
#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/SoundPlayer.h"
#include "core/ui/Escalat.h"
#include "core/ui/Lletra.h"
#include "core/ui/Missatges.h"
#include "core/ui/TabPicture.h"
#include "core/ui/Units.h"
#include "core/ui/VistaPrevia.h"
#include "fitxes/ui/fFitxes.h"
#include "frontpage/AnimalsGrups.h"
#include "frontpage/BotoArrodonit.h"
#include "frontpage/BotoGrup.h"
#include "frontpage/BotoPersiana.h"
#include "frontpage/Contrasenya.h"
#include "frontpage/DisposicioPortada.h"
#include "frontpage/EstilPortada.h"
#include "frontpage/GraellaAlumnes.h"
#include "frontpage/ImatgesPortada.h"
#include "frontpage/LlistaImpresa.h"
#include "frontpage/PaginaGrups.h"
#include "frontpage/PanelAlumnes.h"
#include "frontpage/Pas.h"
#include "frontpage/PersianaEines.h"
#include "frontpage/Pestanyes.h"
#include "frontpage/Sanefa.h"
#include "frontpage/fIdioma.h"
#include "history/ui/fHistoric.h"
#include "levels/ui/fConfig.h"
#include "records/ui/Assignar.h"
#include "records/ui/Edicio.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTimer>

#include <iterator>

namespace L = DisposicioPortada;

namespace {

constexpr int kPestanyes = kActivitats + 1; // the groups page's tab, then one per activity

// The tools bEines(0..10), by what they do.
enum class TipusEina {
    Clau,
    Nivells,
    Idioma,
    Assignar,
    Afegir,
    Editar,
    Eliminar,
    Historial,
    Llistat,
    Resum,
    Fitxes
};
constexpr int kAjudaEina[] = {IdText::kEinaClau,     IdText::kEinaNivells,   IdText::kEinaIdioma,
                              IdText::kEinaAssignar, IdText::kEinaAfegir,    IdText::kEinaEditar,
                              IdText::kEinaEliminar, IdText::kEinaHistorial, IdText::kEinaLlistat,
                              IdText::kEinaResum,    IdText::kEinaFitxes};

QString netejat(const QString& ajuda) {
    return ajuda.trimmed();
}

} // namespace

Portada::Portada(Sessio& sessio, SoundPlayer& so, QWidget* parent)
    : QMainWindow(parent), sessio_(sessio), so_(so), estat_(sessio, so),
      demanaClau_([this] { return Pas::Demana(sessio_, this); }), canviaClau_([this] {
          Contrasenya finestra(sessio_, this);
          Escalat::executa(finestra);
      }),
      obrePissarra_([this] { obreLaPissarra(); }) {
    construeix();
    disposaPerPantalla();
    aplicaIdioma();
    pGrups_->tria(sessio_.general.GrupActual);
    so.ReproduirSo(QString::number(sessio_.general.GrupActual));
}

// --- Building -------------------------------------------------------------------------------

void Portada::construeix() {
    // The window's own background is the page colour: nothing inside paints it again.
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, EstilPortada::kFons);
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
    llistes_->setVoraPanell(EstilPortada::kVoraTaronja);
    connect(llistes_, &QTabWidget::currentChanged, this, &Portada::pestanyaCanviada);
    sanefa_ = new Sanefa(fons);
    sanefa_->setObjectName("frieze");

    pGrups_ = new PaginaGrups(fons);
    connect(pGrups_, &PaginaGrups::grupPremut, this, &Portada::grupPremut);
    construeixSortida(fons);
    pPortada_ = new PersianaEines(L::kPersianaPortada, fons);

    panel_ = new PanelAlumnes(sessio_, estat_, fons);
    connect(panel_, &PanelAlumnes::graellaCreada, this, &Portada::ordreTabulacioGraella);
    connect(panel_, &PanelAlumnes::filaCanviada, this, &Portada::filaCanviada);
    connect(panel_, &PanelAlumnes::imatgePremuda, this, &Portada::iniciaPissarra);
    pEines_ = new PersianaEines(L::kPersianaEines, panel_);
    pEines_->setGeometry(tw(L::kEines));

    for (PersianaEines* eines : {pPortada_, pEines_}) {
        connect(eines, &PersianaEines::einaPremuda, this, &Portada::einaPremuda);
        connect(eines, &PersianaEines::persianaPremuda, this,
                [this, eines] { persianaPremuda(eines); });
    }
    mostraPanel(false);
    ordreTabulacio();
}

void Portada::construeixSortida(QWidget* fons) {
    pSortida_ = new QWidget(fons);
    pSortida_->setObjectName("pSortida");
    bSortida_ = new BotoArrodonit(EstilPortada::kEstilEina, pSortida_);
    bSortida_->setObjectName("bSortida");
    bSortida_->setGeometry(tw(L::kBotoSortida));
    bSortida_->setFont(Lletra::negreta());
    bSortida_->setIconSize(QSize(tw(420), tw(420)));
    bSortida_->setIcon(
        ImatgesPortada::eina(-1, bSortida_->iconSize().width(), devicePixelRatioF()));
    connect(bSortida_, &QPushButton::clicked, this, &QWidget::close);
}

QPushButton* Portada::eina(int index) const {
    return index <= L::kPersianaPortada.darreraEina ? pPortada_->eina(index) : pEines_->eina(index);
}

// Top to bottom, left to right: the tabs, the groups ring by rows, the exit and the bottom blind
// with its tools; on a list page the grid, the pupil's picture and the side blind with its tools.
void Portada::ordreTabulacio() {
    QList<QWidget*> ordre{llistes_->tabBar()};
    for (int g = 1; g <= 16; ++g)
        ordre << pGrups_->grup(g);
    ordre << bSortida_ << pPortada_->persiana() << eina(1) << eina(0) << eina(2) << panel_->imatge()
          << pEines_->persiana();
    for (int i = 3; i <= L::kPersianaEines.darreraEina; ++i)
        ordre << eina(i);
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre.at(i - 1), ordre.at(i));
}

// The grid, built on first use, takes the place in the tab order it would have had with the
// window: after the level-set tools, before the pupil's picture.
void Portada::ordreTabulacioGraella(GraellaAlumnes* graella) {
    setTabOrder(eina(2), graella);
    setTabOrder(graella, panel_->imatge());
}

void Portada::disposaPerPantalla() {
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    const int alcada = pantalla ? pantalla->geometry().height() * kTwipsPerPixel : 0;
    const L::Contenidors c = L::perPantalla(alcada);
    llistes_->setGeometry(tw(c.llistes));
    pGrups_->setGeometry(tw(c.grups));
    panel_->setGeometry(tw(c.panel));
    pSortida_->setGeometry(tw(c.sortida));
    pPortada_->setGeometry(tw(c.portada));
    setFixedSize(tw(L::kAmpleFinestra), tw(c.altFinestra()));
    const QRect sanefa = L::llocSanefa(c);
    sanefa_->setVisible(!sanefa.isEmpty());
    sanefa_->setGeometry(tw(sanefa));
    if (pantalla) {
        QRect lloc(QPoint(), size());
        lloc.moveCenter(pantalla->availableGeometry().center());
        move(lloc.topLeft());
    }
}

// --- Texts ----------------------------------------------------------------------------------

void Portada::aplicaIdioma() {
    pGrups_->aplicaIdioma(sessio_);
    setWindowTitle(estat_.titol());
    refrescaActivitats();
    panel_->aplicaIdioma();
    for (int i = 0; i < int(std::size(kAjudaEina)); ++i) {
        eina(i)->setToolTip(sessio_.text(kAjudaEina[i]));
        eina(i)->setAccessibleName(netejat(sessio_.text(kAjudaEina[i])));
    }
    bSortida_->setToolTip(sessio_.text(IdText::kSortirDelPrograma));
    bSortida_->setAccessibleName(netejat(sessio_.text(IdText::kSortirDelPrograma)));
    bSortida_->setText(netejat(sessio_.text(IdText::kSortir)));
    // A blind is named by the tools it opens; it asks for the password on the way.
    pPortada_->persiana()->setAccessibleName(sessio_.text(IdText::kPersianaPrograma));
    pEines_->persiana()->setAccessibleName(sessio_.text(IdText::kPersianaLlista));
    for (PersianaEines* eines : {pEines_, pPortada_})
        eines->persiana()->setAccessibleDescription(sessio_.text(IdText::kClauAcces));
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
        const QString nom = sessio_.text(IdText::activitat(t));
        llistes_->setTabToolTip(t, nom);
        barra->setAccessibleTabName(t, nom);
    }
    // A hidden tab may have handed the selection to another one while signals were blocked.
    if (llistes_->currentIndex() != numero(estat_.pestanya()))
        pestanyaCanviada(llistes_->currentIndex());
    barra->updateGeometry();
    llistes_->update();
    pGrups_->update();
    pSortida_->update();
}

// --- Groups, tabs and the pupil list --------------------------------------------------------

void Portada::grupPremut(int grup) {
    if (!estat_.triaGrup(grup))
        return;
    pGrups_->tria(grup);
    setWindowTitle(estat_.titol());
    panel_->anomenaGraella();
    refrescaActivitats();
}

void Portada::pestanyaCanviada(int nova) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (estat_.canviaPestanya(nova)) {
    case EstatPortada::Canvi::Llegida:
        mostraLlista();
        mostraPanel(true);
        panel_->graella()->setFocus();
        break;
    case EstatPortada::Canvi::Portada:
        mostraPanel(false);
        break;
    case EstatPortada::Canvi::Rellegida:
        mostraLlista();
        break;
    case EstatPortada::Canvi::NomesAmples:
        panel_->posaAmples();
        break;
    case EstatPortada::Canvi::Cap:
        break;
    }
    QApplication::restoreOverrideCursor();
    nomenaHistorial();
}

void Portada::mostraPanel(bool panel) {
    pGrups_->setVisible(!panel);
    pSortida_->setVisible(!panel);
    pPortada_->setVisible(!panel);
    panel_->setVisible(panel);
    if (panel)
        panel_->raise();
}

void Portada::mostraLlista() {
    panel_->omple();
    panel_->formata();
    mostraSeleccio();
}

void Portada::mostraSeleccio() {
    panel_->mostraSeleccio();
    nomenaHistorial();
}

// The history tool names the pupil it would open.
void Portada::nomenaHistorial() {
    eina(int(TipusEina::Historial))
        ->setToolTip(sessio_.text(IdText::kEinaHistorial) + ": " + panel_->nom());
}

void Portada::filaCanviada(int fila) {
    if (estat_.pestanya() == TipusActivitat::Portada || estat_.buida())
        return;
    estat_.seleccionaFila(fila);
    mostraSeleccio();
}

void Portada::nivellSuperat(int activitat, const QString& text) {
    estat_.nivellSuperat(activitat, text);
    panel_->nivellSuperat(activitat, text);
    mostraSeleccio();
}

void Portada::iniciaPissarra() {
    using Accio = EstatPortada::Inici::Accio;
    const EstatPortada::Inici resultat = estat_.comprovaInici();
    if (resultat.accio == Accio::Avisa)
        Missatges::Informacio(sessio_.text(resultat.missatge), sessio_.general.Idioma, this);
    else if (resultat.accio == Accio::Comenca && obrePissarra_)
        obrePissarra_();
}

// --- Tools and blinds -----------------------------------------------------------------------

void Portada::einaPremuda(int index) {
    estat_.einaPremuda(index);
    switch (TipusEina(index)) {
    case TipusEina::Clau:
        if (canviaClau_)
            canviaClau_();
        if (sessio_.general.Demanar == 1)
            TancaPersiana0();
        break;
    case TipusEina::Nivells:
        // The hourglass covers the editor's opening only: once its window is up and running,
        // the teacher works with the normal pointer.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QTimer::singleShot(0, this, [] { QApplication::restoreOverrideCursor(); });
        fConfig::Obre(sessio_, this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        refrescaActivitats();
        QApplication::restoreOverrideCursor();
        break;
    case TipusEina::Idioma: {
        fIdioma finestra(sessio_, this);
        Escalat::executa(finestra);
        aplicaIdioma();
        break;
    }
    case TipusEina::Assignar:
        Assignar::Obre(sessio_, this);
        refrescaActivitats();
        break;
    case TipusEina::Afegir:
        if (!estat_.potAfegir())
            Missatges::Informacio(sessio_.text(IdText::kLlistaPlena), sessio_.general.Idioma, this);
        else
            editaRegistres(0);
        break;
    case TipusEina::Editar:
    case TipusEina::Eliminar:
        if (!estat_.buida())
            editaRegistres(index - int(TipusEina::Afegir));
        break;
    case TipusEina::Historial:
        if (!estat_.buida())
            fHistoric::Obre(sessio_, QPixmap(estat_.rutaImatge()), this);
        break;
    case TipusEina::Llistat:
        imprimeixLlista();
        break;
    case TipusEina::Resum:
        fResum::Obre(this, sessio_);
        break;
    case TipusEina::Fitxes:
        fFitxes::Obre(this, sessio_, estat_.pestanya());
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
    const ObreSerie dades = ObreSerie::deSessio(sessio_, numero(estat_.pestanya()),
                                                fila.value(LlistaAlumnes::kColPosicio).toInt(),
                                                uint32_t(QDateTime::currentMSecsSinceEpoch()));
    // The board shows the pupil's picture as the front page does: the default one when the
    // pupil's own cannot be loaded.
    QPixmap foto(estat_.rutaImatge());
    if (foto.isNull())
        foto = panel_->imatgePerDefecte();
    const ImatgesPissarra imatges{
        foto, AnimalsGrups::imatge(grup, sessio_.nomGrup(grup), 160, devicePixelRatioF())};
    Pissarra pissarra(dades, entorn, imatges, FabricaActivitats::crea, this);
    Escalat::executa(pissarra);
}

void Portada::editaRegistres(int mode) {
    QList<QStringList> files = estat_.files();
    Edicio::Obre(sessio_, mode, files, estat_.fila(), &so_, this);
    // The editor wrote the file; the list is read from it again, keeping the row.
    estat_.rellegeix();
    mostraLlista();
}

void Portada::imprimeixLlista() {
    if (estat_.buida())
        return;
    estat_.rellegeix();
    mostraLlista();
    if (estat_.buida())
        return;
    const LlistaImpresa::Dades dades =
        LlistaImpresa::recull(sessio_, estat_.files(), QDate::currentDate());
    QPrinter impressora(QPrinter::HighResolution);
    LlistaImpresa::preparaImpressora(impressora);
    vistaPrevia(impressora, this, netejat(sessio_.text(IdText::kEinaLlistat)),
                sessio_.general.Idioma,
                [&](QPrinter& p) { return LlistaImpresa::imprimeix(p, dades); });
}

void Portada::persianaPremuda(PersianaEines* eines) {
    if (eines->enMoviment())
        return;
    if (eines->oberta()) {
        tancaLaPersiana(eines);
        return;
    }
    if (sessio_.general.Demanar == 1 && demanaClau_ && !demanaClau_())
        return;
    estat_.persianaPremuda();
    eines->obreLaPersiana();
}

void Portada::tancaLaPersiana(PersianaEines* eines) {
    estat_.persianaPremuda();
    eines->tancaLaPersiana();
}

void Portada::TancaPersiana() {
    if (pEines_->oberta())
        tancaLaPersiana(pEines_);
}

void Portada::TancaPersiana0() {
    if (pPortada_->oberta())
        tancaLaPersiana(pPortada_);
}

void Portada::setAnimacions(bool animacions) {
    for (PersianaEines* eines : {pEines_, pPortada_})
        eines->setAnimacio(animacions);
}
