#include "board/ui/Pissarra.h"

#include "board/ActivitatDividir.h"
#include "board/ActivitatMultiplicar.h"
#include "board/ActivitatSumRes.h"
#include "board/ActivitatTaules.h"
#include "board/LecturaExercici.h"
#include "board/ui/MarcaFocus.h"
#include "board/ui/PanelDividir.h"
#include "board/ui/PanelMultiplicar.h"
#include "board/ui/PanelNombres.h"
#include "board/ui/PanelOrdenar.h"
#include "board/ui/PanelSumRes.h"
#include "board/ui/PanellActivitat.h"
#include "board/ui/PissarraEstil.h"
#include "board/ui/TeclatWidget.h"
#include "core/Activitat.h"
#include "core/IdsText.h"
#include "core/StringTable.h"
#include "core/TextUtil.h"
#include "core/ui/Missatges.h"
#include "core/ui/Wingdings.h"
#include "numeration/ActivitatCardinals.h"
#include "numeration/ActivitatOrdenar.h"
#include "numeration/ActivitatRomans.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>

using namespace PissarraEstil;

namespace {

constexpr int kPuntsBtTxt = 19;

constexpr int kIntervalRellotge = 1000;
// The rollers move one step per frame; 17 steps of the blind take under a third of a second.
constexpr int kIntervalPas = 16;

// Handles, in board units: the knob hangs from the bottom edge while the roller moves.
constexpr int kAmplePom = 28;
constexpr int kAltPom = 13;
constexpr int kAltPom2 = 12;

// The scoreboard's three counters, each under its Wingdings symbol.
constexpr int kAmpleComptador = 86;

const QString kMaAssenyala = QStringLiteral("\U0001F449"); // 👉
const QString kTortuga = QStringLiteral("\U0001F422");     // waits after each exercise
const QString kLlebre = QStringLiteral("\U0001F407");      // goes straight on
const QString kPorta = QStringLiteral("\U0001F6AA");

QString estilPom(int radi) {
    return QStringLiteral("QLabel { border: 1px solid #4a2a10; border-radius: %1px;"
                          " background: qradialgradient(cx:0.4, cy:0.35, radius:0.7,"
                          " fx:0.4, fy:0.35, stop:0 #f0c68a, stop:1 #7a4a1e); }")
        .arg(radi);
}

QPushButton* nouBoto(const QString& nom, QWidget* pare) {
    auto* b = new QPushButton(pare);
    b->setObjectName(nom);
    b->setAutoDefault(false);
    // Clicks leave the focus in the keyboard box; Tab still reaches every button.
    b->setFocusPolicy(Qt::TabFocus);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

// A push button never wraps its caption: the blind's caption is broken between words so that
// every line fits across the blind.
QString partit(const QString& text, const QFont& font, int ample) {
    const QFontMetrics fm(font);
    QStringList linies;
    for (const QString& paraula : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!linies.isEmpty() && fm.horizontalAdvance(linies.last() + u' ' + paraula) <= ample)
            linies.last() += u' ' + paraula;
        else
            linies << paraula;
    }
    return linies.join(u'\n');
}

// The message button's caption broken between words, at the largest size up to `font`'s at which
// every line fits across `lloc` and all of them fit down it: the end-of-series messages are
// longer than one line of the button.
std::pair<QString, QFont> ajustat(const QString& text, QFont font, QSize lloc) {
    constexpr qreal kPuntsMinims = 10;
    for (;;) {
        const QString t = partit(text, font, lloc.width());
        const QFontMetrics fm(font);
        const QStringList linies = t.split(u'\n');
        int ample = 0;
        for (const QString& l : linies)
            ample = std::max(ample, fm.horizontalAdvance(l));
        if (font.pointSizeF() <= kPuntsMinims ||
            (ample <= lloc.width() && int(linies.size()) * fm.lineSpacing() <= lloc.height()))
            return {t, font};
        font.setPointSizeF(font.pointSizeF() - 1);
    }
}

// A picture is shown at most at its own size: a small one is never blown up.
QPixmap ajusta(const QPixmap& pm, QSize caixa, qreal dpr) {
    if (pm.isNull())
        return pm;
    const QSize fisic = caixa * dpr;
    const QSize propi = pm.size();
    if (propi.width() <= fisic.width() && propi.height() <= fisic.height())
        return pm;
    QPixmap r = pm.scaled(fisic, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    r.setDevicePixelRatio(dpr);
    return r;
}

// Qt tells a screen reader of every name and description it is given, changed or not, and the
// board refreshes on every beat of the clock: only a change is passed on.
void posaNom(QWidget* w, const QString& nom) {
    if (w->accessibleName() != nom)
        w->setAccessibleName(nom);
}

void posaDescripcio(QWidget* w, const QString& descripcio) {
    if (w->accessibleDescription() != descripcio)
        w->setAccessibleDescription(descripcio);
}

} // namespace

Pissarra::Pissarra(ObreSerie dades, EntornSerie entorn, ImatgesPissarra imatges,
                   Serie::CreaActivitat crea, QWidget* parent)
    : QDialog(parent), imatges_(std::move(imatges)), idioma_(dades.idioma), so_(entorn.so) {
    setObjectName(QStringLiteral("Pissarra"));
    setModal(true);
    setFixedSize(Lloc::kFinestra.size());

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    serie_ = std::make_unique<Serie>(std::move(dades), std::move(entorn), std::move(crea));
    serie_->obre();
    construeix();
    QGuiApplication::restoreOverrideCursor();

    connect(serie_.get(), &Serie::canviat, this, &Pissarra::refresca);
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kIntervalRellotge);
    connect(timer1_, &QTimer::timeout, this, &Pissarra::tic);
    animacio_ = new QTimer(this);
    animacio_->setInterval(kIntervalPas);
    connect(animacio_, &QTimer::timeout, this, &Pissarra::pasAnimacio);

    refresca();
    if (serie_->rellotgeEnMarxa())
        timer1_->start();
    tornaFocus();
}

Pissarra::~Pissarra() = default;

QString Pissarra::text(int id) const {
    return TextIdioma(id, idioma_);
}

void Pissarra::construeix() {
    setStyleSheet(estilBotons() + estilRodets() + estilImatge());
    construeixFitxa();

    persiana_ = nouBoto(QStringLiteral("Persiana"), this);
    persiana_->setCursor(Qt::OpenHandCursor);
    persiana_->setGeometry(Lloc::kVista);
    persiana_->setFont(rodona(14));
    pom_ = new QLabel(persiana_);
    pom_->setObjectName(QStringLiteral("Pom"));
    pom_->setStyleSheet(estilPom(6));
    pom_->setAttribute(Qt::WA_TransparentForMouseEvents);
    posaPersiana(serie_->persiana().alcada(), serie_->persiana().pom());
    connect(persiana_, &QPushButton::clicked, this, &Pissarra::clicPersiana);

    construeixMarcador();

    panell_ = creaPanell();
    if (Activitat* a = serie_->activitat())
        connect(a, &Activitat::canviat, this, &Pissarra::llegeixExercici);
    if (panell_)
        panell_->setGeometry(Lloc::kPanell);

    btTxt_ = nouBoto(QStringLiteral("BtTxt"), this);
    btTxt_->setGeometry(Lloc::kBtTxt);
    connect(btTxt_, &QPushButton::clicked, this, &Pissarra::clicBtTxt);
    pulsa_ = new QLabel(kMaAssenyala, this);
    pulsa_->setObjectName(QStringLiteral("Pulsa"));
    pulsa_->setFont(emoji(40));
    pulsa_->setAlignment(Qt::AlignCenter);
    pulsa_->setGeometry(Lloc::kPulsa);

    caixaTeclat_ = new QFrame(this);
    caixaTeclat_->setObjectName(QStringLiteral("CaixaTeclat"));
    caixaTeclat_->setFocusPolicy(Qt::StrongFocus);
    caixaTeclat_->setGeometry(Lloc::kCaixaTeclat);
    for (int k = 0; k < 3; ++k) {
        teclats_[k] = new TeclatWidget(k, serie_->teclats(), caixaTeclat_);
        teclats_[k]->move((caixaTeclat_->width() - teclats_[k]->width()) / 2,
                          (caixaTeclat_->height() - teclats_[k]->height()) / 2);
        connect(teclats_[k], &TeclatWidget::premuda, this, &Pissarra::clicTecla);
    }

    construeixBotons();

    auto* marca = new MarcaFocus(this);
    for (QWidget* w :
         std::initializer_list<QWidget*>{persiana_, marcador_, caixaTeclat_, btTxt_, btAjuda_,
                                         btEspera_[0], btEspera_[1], btTancar_})
        marca->vigila(w);
}

void Pissarra::construeixFitxa() {
    imatge_ = nouBoto(QStringLiteral("Imatge"), this);
    imatge_->setGeometry(Lloc::kImatge);
    imatge_->setEnabled(false);
    const QSize icona = Lloc::kImatge.size() - QSize(12, 12);
    imatge_->setIconSize(icona);
    QIcon ic;
    ic.addPixmap(ajusta(imatges_.alumne, icona, devicePixelRatioF()), QIcon::Disabled);
    imatge_->setIcon(ic);
    imatge_->setVisible(serie_->mostraImatge() && !imatges_.alumne.isNull());

    animal_ = new QLabel(this);
    animal_->setObjectName(QStringLiteral("AnimalGrup"));
    animal_->setAlignment(Qt::AlignCenter);
    animal_->setGeometry(Lloc::kAnimal);
    animal_->setPixmap(ajusta(imatges_.animal, Lloc::kAnimal.size(), devicePixelRatioF()));

    // Number and level beside the picture, the name across the card under it.
    const QRect llocs[3][2] = {
        {{134, 30, 130, 20}, {134, 48, 130, 34}},
        {{26, 132, 236, 20}, {26, 150, 240, 58}},
        {{134, 84, 130, 20}, {134, 102, 130, 34}},
    };
    for (int i = 0; i < 3; ++i) {
        etiqueta_[i] = new QLabel(this);
        etiqueta_[i]->setObjectName(QStringLiteral("Etiqueta_%1").arg(i));
        etiqueta_[i]->setFont(rodona(11, false));
        posaColor(etiqueta_[i], QColor(0x8a, 0x6a, 0x3a));
        etiqueta_[i]->setGeometry(llocs[i][0]);
        dades_[i] = new QLabel(this);
        dades_[i]->setObjectName(QStringLiteral("Dades_%1").arg(i));
        dades_[i]->setFont(rodona(i == 1 ? 16 : 22));
        dades_[i]->setWordWrap(i == 1);
        dades_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        posaColor(dades_[i], QColor(0x1b, 0x3a, 0x6b));
        dades_[i]->setGeometry(llocs[i][1]);
    }
}

void Pissarra::construeixMarcador() {
    marcador_ = nouBoto(QStringLiteral("Marcador"), this);
    marcador_->setCursor(Qt::OpenHandCursor);
    connect(marcador_, &QPushButton::clicked, this, &Pissarra::clicMarcador);

    const int simbols[3] = {Wingdings::kCheck, Wingdings::kCross, Wingdings::kClock};
    const QColor colors[3] = {QColor(0x7c, 0xe0, 0x6a), QColor(0xff, 0x80, 0x74),
                              QColor(0xff, 0xe0, 0x7a)};
    QLabel** comptadors[3] = {&afirmatives_, &negatives_, &rellotge_};
    const char* noms[3] = {"Afirmatives", "Negatives", "Rellotge"};
    for (int i = 0; i < 3; ++i) {
        auto* simbol = new QLabel(Wingdings::text(simbols[i]), marcador_);
        simbol->setFont(Wingdings::font(simbols[i], 20));
        posaColor(simbol, colors[i]);
        simbol->setAlignment(Qt::AlignCenter);
        simbol->setGeometry(i * kAmpleComptador, 6, kAmpleComptador, 34);
        simbol->setAttribute(Qt::WA_TransparentForMouseEvents);

        auto* c = new QLabel(marcador_);
        c->setObjectName(QString::fromLatin1(noms[i]));
        c->setFont(rodona(28));
        posaColor(c, guix());
        c->setAlignment(Qt::AlignCenter);
        c->setGeometry(i * kAmpleComptador, 38, kAmpleComptador, 54);
        c->setAttribute(Qt::WA_TransparentForMouseEvents);
        *comptadors[i] = c;
    }
    pom2_ = new QLabel(marcador_);
    pom2_->setObjectName(QStringLiteral("Pom2"));
    pom2_->setStyleSheet(estilPom(6));
    pom2_->setAttribute(Qt::WA_TransparentForMouseEvents);
    posaMarcador(serie_->marcador().alcada(), serie_->marcador().pom());
}

void Pissarra::construeixBotons() {
    btAjuda_ = nouBoto(QStringLiteral("BtAjuda"), this);
    btAjuda_->setGeometry(Lloc::kBtAjuda);
    btAjuda_->setText(QStringLiteral("?"));
    btAjuda_->setFont(rodona(44));
    connect(btAjuda_, &QPushButton::clicked, this, &Pissarra::clicAjuda);

    for (int i = 0; i < 2; ++i) {
        btEspera_[i] = nouBoto(QStringLiteral("BtEspera_%1").arg(i), this);
        btEspera_[i]->setGeometry(Lloc::kBtEspera);
        btEspera_[i]->setText(i == 0 ? kTortuga : kLlebre);
        btEspera_[i]->setFont(emoji(44));
        connect(btEspera_[i], &QPushButton::clicked, this, &Pissarra::clicEspera);
    }

    btTancar_ = nouBoto(QStringLiteral("BtTancar"), this);
    btTancar_->setGeometry(Lloc::kBtTancar);
    btTancar_->setText(kPorta);
    btTancar_->setFont(emoji(32));
    connect(btTancar_, &QPushButton::clicked, this, &Pissarra::clicBtTancar);
}

PanellActivitat* Pissarra::creaPanell() {
    Activitat* a = serie_->activitat();
    if (!a)
        return nullptr;
    const TipusActivitat tipus = serie_->tipus();
    switch (tipus) {
    case TipusActivitat::Cardinals:
    case TipusActivitat::Ordinals:
        if (auto* c = qobject_cast<ActivitatCardinals*>(a))
            return new PanelNombres(*c, FontNombres::de(*c), tipus, this);
        break;
    case TipusActivitat::Romans:
        if (auto* r = qobject_cast<ActivitatRomans*>(a))
            return new PanelNombres(*r, FontNombres::de(*r), tipus, this);
        break;
    case TipusActivitat::Ordenacio:
        if (auto* o = qobject_cast<ActivitatOrdenar*>(a))
            return new PanelOrdenar(
                *o, idioma_, so_, [this] { return serie_->teclatActiu(); }, this);
        break;
    case TipusActivitat::Sumar:
    case TipusActivitat::Restar:
        if (auto* s = qobject_cast<ActivitatSumRes*>(a))
            return new PanelSumRes(*s, this);
        break;
    case TipusActivitat::Taules:
        if (auto* t = qobject_cast<ActivitatTaules*>(a))
            return new PanelNombres(*t, FontNombres::de(*t), tipus, this);
        break;
    case TipusActivitat::Multiplicar:
        if (auto* m = qobject_cast<ActivitatMultiplicar*>(a))
            return new PanelMultiplicar(*m, this);
        break;
    case TipusActivitat::Dividir:
        if (auto* d = qobject_cast<ActivitatDividir*>(a))
            return new PanelDividir(*d, this);
        break;
    case TipusActivitat::Portada:
        break;
    }
    return nullptr;
}

void Pissarra::refresca() {
    const Serie& s = *serie_;
    setWindowTitle(s.titol());
    for (int i = 0; i < 3; ++i) {
        etiqueta_[i]->setText(s.etiqueta(i));
        dades_[i]->setText(s.dades(i));
    }
    posaNom(imatge_, s.dades(1));
    llegeixExercici();

    afirmatives_->setText(s.textAfirmatives());
    negatives_->setText(s.textNegatives());
    rellotge_->setText(s.textRellotge());
    llegeixMarcador();

    // Inside its border and padding.
    const auto [missatge, lletra] =
        ajustat(s.textBtTxt(), rodona(kPuntsBtTxt), btTxt_->size() - QSize(ub(36), ub(20)));
    btTxt_->setFont(lletra);
    btTxt_->setText(missatge);
    posaNom(btTxt_, s.textBtTxt());
    btTxt_->setVisible(s.btTxtVisible());
    pulsa_->setVisible(s.btTxtVisible());

    for (int i = 0; i < 2; ++i) {
        const QString t = text(i == 0 ? IdText::kEsperar : IdText::kNoEsperar);
        btEspera_[i]->setToolTip(t);
        posaNom(btEspera_[i], t);
        btEspera_[i]->setVisible(s.btEsperaVisible(i));
    }
    btAjuda_->setToolTip(text(IdText::kAjuda));
    posaNom(btAjuda_, text(IdText::kAjuda));
    const QString sortir = TextUtil::trimSpaces(text(IdText::kSortir));
    btTancar_->setToolTip(sortir);
    posaNom(btTancar_, sortir);

    for (TeclatWidget* t : teclats_) {
        t->setVisible(s.teclatVisible() == t->panell());
        t->activa(s.teclatActiu());
    }

    const QString textPersiana = panell_ ? panell_->textPersiana() : QString();
    persiana_->setText(partit(textPersiana, persiana_->font(), persiana_->width() - ub(24)));
    posaNom(persiana_, textPersiana.isEmpty() ? text(IdText::kPersiana) : textPersiana);
    pom_->setVisible(textPersiana.isEmpty());
    persiana_->setEnabled(s.teclatActiu());

    if (!s.rellotgeEnMarxa())
        timer1_->stop();
    if (panell_)
        panell_->refresca();
    // The message box waits for the event that ended the series to finish.
    if (serie_->prenAvisNoDesat())
        QMetaObject::invokeMethod(this, &Pissarra::avisaNoDesat, Qt::QueuedConnection);
}

// The keyboard box keeps the focus while the pupil works, so it is what a screen reader reads:
// the question as its name, the answer so far as its description (Qt announces both changes).
void Pissarra::llegeixExercici() {
    const LecturaExercici l = LecturaExercici::de(serie_->activitat());
    const QString resposta =
        (text(IdText::kResposta) + QStringLiteral(": ") + l.resposta).trimmed();
    for (QWidget* w : {static_cast<QWidget*>(caixaTeclat_), static_cast<QWidget*>(panell_)})
        if (w) {
            posaNom(w, l.pregunta);
            posaDescripcio(w, resposta);
        }
}

// Each counter is named "Errors: 2". A screen reader hears a name change at once, so the clock
// takes its time into its name only when another counter moves: its label's own text, which
// changes every second, would otherwise be announced every second.
void Pissarra::llegeixMarcador() {
    const Serie& s = *serie_;
    const auto compta = [this](int id, const QString& valor) {
        return (text(id) + QStringLiteral(": ") + valor).trimmed();
    };
    const QString fer = compta(IdText::kFer, s.textAfirmatives());
    const QString errors = compta(IdText::kErrors, s.textNegatives());
    if (fer == afirmatives_->accessibleName() && errors == negatives_->accessibleName())
        return;
    const QString temps = compta(IdText::kTemps, s.textRellotge());
    posaNom(afirmatives_, fer);
    posaNom(negatives_, errors);
    posaNom(rellotge_, temps);
    posaNom(marcador_, QStringList{fer, errors, temps}.join(QStringLiteral(", ")));
}

void Pissarra::avisaNoDesat() {
    Missatges::Informacio(text(IdText::kNoEsPotEscriure), idioma_, this);
}

void Pissarra::tornaFocus() {
    caixaTeclat_->setFocus(Qt::OtherFocusReason);
}

void Pissarra::tic() {
    serie_->tic();
}

void Pissarra::clicTecla(int index) {
    serie_->clicTecla(index);
    tornaFocus();
}

void Pissarra::clicBtTxt() {
    tornaFocus();
    if (serie_->continua())
        accept();
}

void Pissarra::clicBtTancar() {
    serie_->BtTancar();
    reject();
}

void Pissarra::clicAjuda() {
    tornaFocus();
    serie_->ajuda();
}

void Pissarra::clicEspera() {
    serie_->canviaEspera();
    tornaFocus();
}

void Pissarra::clicPersiana() {
    tornaFocus();
    if (serie_->persianaComprova()) {
        if (panell_)
            panell_->clicPersiana();
        return;
    }
    passosPersiana_ += serie_->clicPersiana();
    if (!passosPersiana_.isEmpty())
        animacio_->start();
}

void Pissarra::clicMarcador() {
    tornaFocus();
    passosMarcador_ += serie_->clicMarcador();
    if (!passosMarcador_.isEmpty())
        animacio_->start();
}

void Pissarra::posaPersiana(int alcada, int pom) {
    persiana_->resize(Lloc::kVista.width(), ub(alcada));
    pom_->setGeometry((persiana_->width() - ub(kAmplePom)) / 2, ub(pom), ub(kAmplePom),
                      ub(kAltPom));
    update(Lloc::kVista);
}

void Pissarra::posaMarcador(int alcada, int pom) {
    marcador_->setGeometry(Lloc::kMarcador.x(), Lloc::kMarcador.y(), Lloc::kMarcador.width(),
                           ub(alcada));
    pom2_->setGeometry((marcador_->width() - ub(kAmplePom)) / 2, ub(pom), ub(kAmplePom),
                       ub(kAltPom2));
    update(Lloc::kMarcador.adjusted(0, 0, 6, 6));
}

void Pissarra::pasAnimacio() {
    // While it moves the knob hangs from the bottom edge; at rest it is where the series puts it.
    if (!passosPersiana_.isEmpty()) {
        const int h = passosPersiana_.takeFirst();
        posaPersiana(h, passosPersiana_.isEmpty() ? serie_->persiana().pom() : h - kAltPom);
    }
    if (!passosMarcador_.isEmpty()) {
        const int h = passosMarcador_.takeFirst();
        posaMarcador(h, passosMarcador_.isEmpty() ? serie_->marcador().pom() : h - kAltPom2);
    }
    if (passosPersiana_.isEmpty() && passosMarcador_.isEmpty())
        animacio_->stop();
}

void Pissarra::acabaAnimacions() {
    animacio_->stop();
    passosPersiana_.clear();
    passosMarcador_.clear();
    posaPersiana(serie_->persiana().alcada(), serie_->persiana().pom());
    posaMarcador(serie_->marcador().alcada(), serie_->marcador().pom());
}

void Pissarra::done(int r) {
    // Every close the series did not ask for is an abandoned series; the series writes its line
    // only once, so the board's own closes add nothing.
    serie_->tancaDesDeFora();
    timer1_->stop();
    animacio_->stop();
    if (serie_->prenAvisNoDesat())
        avisaNoDesat();
    QDialog::done(r);
}

void Pissarra::keyPressEvent(QKeyEvent* e) {
    // Escape would abandon the series by accident; only the close button and the frame do.
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    const ResultatTecla r = serie_->tecla(e->key(), e->text());
    if (r.tanca) {
        accept();
        return;
    }
    if (r.consumida)
        e->accept();
    else
        QDialog::keyPressEvent(e);
}

namespace {

// The wall, the wooden frame and the slate are the same on every board (the drawing is seeded),
// and drawing the wood grain is most of the cost of opening a board: it is drawn once per pixel
// ratio and kept for every board that follows.
QPixmap fonsComu(qreal dpr) {
    static QPixmap desat;
    const QSize mida = Lloc::kFinestra.size();
    if (desat.size() == mida * dpr && desat.devicePixelRatio() == dpr)
        return desat;
    QPixmap fons(mida * dpr);
    fons.setDevicePixelRatio(dpr);
    QPainter p(&fons);
    pintaParet(p, QRectF(QPointF(0, 0), QSizeF(mida)));
    pintaFitxa(p, Lloc::kFitxa);
    pintaMarcVista(p, Lloc::kMarcVista, Lloc::kVista);
    pintaVista(p, Lloc::kVista);
    pintaPissarra(p, Lloc::kMarc, Lloc::kLlosa);
    pintaFitxa(p, Lloc::kCaixaTeclat.adjusted(-2, -4, 2, 4));
    p.end();
    desat = fons;
    return desat;
}

} // namespace

void Pissarra::preparaFons(qreal dpr) {
    fonsComu(dpr);
    Wingdings::prepare();
}

void Pissarra::pintaFons() {
    fons_ = fonsComu(devicePixelRatioF());
}

void Pissarra::paintEvent(QPaintEvent*) {
    if (fons_.size() != size() * devicePixelRatioF() ||
        fons_.devicePixelRatio() != devicePixelRatioF())
        pintaFons();
    QPainter p(this);
    p.drawPixmap(0, 0, fons_);
    pintaPersiana(p, Lloc::kVista, persiana_->height());
    pintaMarcador(p, marcador_->geometry(), ub(Lloc::kMarcador.height()));
}
