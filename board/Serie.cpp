#include "board/Serie.h"

#include "core/Activitat.h"
#include "core/FitxerAlumnes.h"
#include "core/IdsText.h"
#include "core/LlistaAlumnes.h"
#include "core/MotiuNoDesat.h"
#include "core/Rutes.h"
#include "core/Sessio.h"
#include "core/SoundPlayer.h"
#include "core/StringTable.h"
#include "core/TextUtil.h"
#include "history/EscriuHistorial.h"
#include "history/LiniaHistorial.h"
#include "levels/FitxerNivells.h"

#include <algorithm>

namespace {

// The level as the board plays it, held to the editor's limits, except that a counter may read as
// low as 0 (a negative one reads as 0): the board has its own rules for a counter at 0 (no
// errors allowed, the series over at the first tick, passed when the clock runs out), which a
// level set written elsewhere may rely on.
DadesNivell nivellJugable(const QString& carpeta, const QString& nomNivell, TipusActivitat tipus,
                          int nivell) {
    const int activitat = numero(tipus);
    DadesNivell d = FitxerNivells::LlegeixNivell(carpeta, nomNivell, activitat, nivell);
    const DadesNivell cru =
        FitxerNivells::llegeix(RutaNivell(carpeta, nomNivell),
                               IndexNivell(activitat, std::clamp(nivell, 1, kNivellsPerActivitat)));
    const auto desde0 = [](int v, Rang r) { return int16_t(std::clamp(v, 0, r.maxim)); };
    d.Temps = desde0(cru.Temps, kRangTemps);
    d.Fer = desde0(cru.Fer, kRangFer);
    d.Errors = desde0(cru.Errors, kRangErrors);
    return d;
}

// The activities answered on one line, whose help flag lasts one exercise.
bool respostaEnLinia(TipusActivitat a) {
    return a == TipusActivitat::Cardinals || a == TipusActivitat::Ordinals ||
           a == TipusActivitat::Romans || a == TipusActivitat::Taules;
}

} // namespace

ObreSerie ObreSerie::deSessio(const Sessio& s, int activitat, int posicio, uint32_t llavor) {
    ObreSerie o;
    o.carpeta = s.carpeta;
    o.grup = s.general.GrupActual;
    o.idioma = s.general.Idioma;
    o.separador = s.general.Separador;
    o.configGrup = s.grup;
    o.registre = s.registre;
    o.posicio = posicio;
    o.activitat = tipusActivitat(std::clamp(activitat, 1, kActivitats));
    o.llavor = llavor;
    return o;
}

Serie::Serie(ObreSerie dades, EntornSerie entorn, CreaActivitat crea, QObject* parent)
    : QObject(parent), dades_(std::move(dades)), entorn_(std::move(entorn)), crea_(std::move(crea)),
      // The front page's own tab has no series: a board opened on it plays the first activity.
      activitat_(dades_.activitat == TipusActivitat::Portada ? TipusActivitat::Cardinals
                                                             : dades_.activitat),
      ambResta_(activitat_ == TipusActivitat::Dividir && dades_.configGrup.ambResta()),
      atzar_(dades_.llavor),
      teclats_(numero(activitat_), dades_.separador, ambResta_, dades_.idioma) {}

Serie::~Serie() = default;

void Serie::obre() {
    if (act_ || tancada_)
        return;
    const Registre& r = dades_.registre;
    nivellJugat_ = r.Nivell[numero(activitat_) - 1];
    dadesText_ = {QString::number(r.Numero), TextUtil::trimSpaces(r.Nom),
                  QString::number(nivellJugat_)};

    nivell_ = nivellJugable(dades_.carpeta, dades_.configGrup.NomNivell, activitat_, nivellJugat_);
    afirmatives_ = nivell_.Fer;
    negatives_ = nivell_.Errors;

    if (crea_)
        act_ = crea_(numero(activitat_), *this);
    if (act_)
        act_->preparar();

    rellotge_ = nivell_.Temps;
    rellotgeEnMarxa_ = true;
    emit canviat();
}

QString Serie::text(int id) const {
    return TextIdioma(id, dades_.idioma);
}

QString Serie::titol() const {
    return QStringLiteral(" ") + text(IdText::kPrograma) + QStringLiteral(": ") +
           text(IdText::activitat(numero(activitat_)));
}

QString Serie::etiqueta(int i) const {
    return (i >= 0 && i < 3) ? text(IdText::kNumero + i) : QString();
}

QString Serie::dades(int i) const {
    return (i >= 0 && i < 3) ? dadesText_[i] : QString();
}

bool Serie::mostraImatge() const {
    return !TextUtil::trimSpaces(dades_.registre.Imatge).isEmpty();
}

QString Serie::textAfirmatives() const {
    return QString::number(afirmatives_);
}

QString Serie::textNegatives() const {
    return esgotats_ ? QStringLiteral(" ") : QString::number(negatives_);
}

QString Serie::textRellotge() const {
    return QString::number(rellotge_);
}

QString Serie::textBtTxt() const {
    return missatge_ == 0 ? QString() : text(missatge_);
}

int Serie::teclatVisible() const {
    return act_ ? act_->teclat() : -1;
}

void Serie::so(const char* nom) {
    if (entorn_.so)
        entorn_.so->ReproduirSo(QString::fromLatin1(nom));
}

void Serie::mostraBtTxt(int id) {
    missatge_ = id;
    btTxtVisible_ = true;
    ActivaTeclat(false);
}

void Serie::NovaOperacio() {
    if (!act_ || !enJoc())
        return;
    exerciciTancat_ = false;
    // Only multiplication reads the flag, and it keeps it for the whole series; the answer-line
    // activities start every exercise with it cleared.
    if (respostaEnLinia(activitat_))
        ajudaDemanada_ = false;
    act_->novaOperacio();
    emit canviat();
}

void Serie::RespostaCorrecta(int missatgeEspera) {
    if (!enJoc())
        return;
    --afirmatives_;
    exerciciTancat_ = true;
    so("20");
    if (afirmatives_ == 0) {
        FinalSerie();
    } else if (esperaActiva_) {
        mostraBtTxt(missatgeEspera);
    } else if (missatge_ == 0) {
        NovaOperacio();
    }
    emit canviat();
}

void Serie::RespostaErronia() {
    if (!enJoc())
        return;
    if (negatives_ > 0)
        --negatives_;
    else
        esgotats_ = true;
    so("24");
    if (esgotats_)
        FinalSerie();
    emit canviat();
}

void Serie::mostraMissatge(int id) {
    // Once the series is over the button keeps its end message: an activity that reports an
    // error and then shows its own message would otherwise cover "Massa errors!".
    if (!enJoc())
        return;
    mostraBtTxt(id);
    emit canviat();
}

void Serie::tic() {
    if (!rellotgeEnMarxa_ || !enJoc())
        return;
    if (rellotge_ <= 0)
        FinalSerie();
    else
        --rellotge_;
    emit canviat();
}

void Serie::FinalSerie() {
    rellotgeEnMarxa_ = false;
    acabada_ = true;

    if (esgotats_) {
        so("22");
        anotaHistorial(IdText::kErrors);
        missatge_ = IdText::kMassaErrors;
    } else if (afirmatives_ <= 0 && nivell_.Fer > 0) {
        // A level that asks for no exercise is passed by waiting alone: it never counts as passed.
        const int nou = LlistaAlumnes::nivellDespresDeSuperar(
            nivellJugat_, dades_.configGrup.nivells(numero(activitat_)));
        missatge_ = nou == 0 ? IdText::kHasArribatAlFinal : IdText::kHasSuperat;
        so("23");
        // The line records the level just played, so it goes before `Dades`(2) changes.
        anotaHistorial(nou == 0 ? IdText::kAcaba : IdText::kSuperat);
        if (desaNivell(nou)) {
            dadesText_[2] = LlistaAlumnes::textNivell(nou);
            if (entorn_.receptor)
                entorn_.receptor->nivellSuperat(numero(activitat_), dades_.registre, dadesText_[2]);
        } else {
            // Nothing tells the pupil or the front page that the level rose, since it did not.
            missatge_ = IdNoDesat();
        }
    } else {
        so("22");
        anotaHistorial(IdText::kTemps);
        missatge_ = IdText::kNoHasMillorat;
    }

    btTxtVisible_ = true;
    ActivaTeclat(false);
    sortida_ = true;
}

bool Serie::desaNivell(int nou) {
    // Only this activity's level is stored, over the record as the file holds it now: a rename or
    // a level stored on another computer meanwhile stays.
    Registre r = dades_.registre;
    if (!FitxerAlumnes::desaNivell(dades_.carpeta, dades_.grup, dades_.idioma, dades_.posicio,
                                   numero(activitat_), nou, r))
        return false;
    dades_.registre = r;
    return true;
}

void Serie::anotaHistorial(int idResultat) {
    LiniaHistorial l;
    l.data = entorn_.avui ? entorn_.avui() : QDate::currentDate();
    l.idioma = dades_.idioma;
    l.activitat = numero(activitat_);
    l.resultat = text(idResultat);
    l.nivell = dadesText_[2];
    l.fer = nivell_.Fer;
    l.errors = nivell_.Errors;
    l.temps = nivell_.Temps;
    l.fets = nivell_.Fer - LiniaHistorial::valorComptador(textAfirmatives());
    l.errorsFets = nivell_.Errors - LiniaHistorial::valorComptador(textNegatives());
    l.segonsUsats = nivell_.Temps - LiniaHistorial::valorComptador(textRellotge());
    if (!EscriuHistorial(dades_.carpeta, dadesText_[1], l))
        historialNoDesat_ = true;
}

bool Serie::prenAvisNoDesat() {
    if (!historialNoDesat_ || avisNoDesatDonat_ || missatge_ == IdText::kNoEsPotEscriure ||
        missatge_ == IdText::kDadesOcupades)
        return false;
    avisNoDesatDonat_ = true;
    return true;
}

bool Serie::continua() {
    if (tancada_)
        return true;
    if (!btTxtVisible_)
        return false;
    if (sortida_) {
        tancada_ = true;
        return true;
    }
    // The ordering activity reads the message still on the button to keep a badly ordered list.
    NovaOperacio();
    missatge_ = 0;
    btTxtVisible_ = false;
    ActivaTeclat(true);
    emit canviat();
    return false;
}

bool Serie::BtTancar() {
    return tancaDesDeFora();
}

bool Serie::tancaDesDeFora() {
    if (!tancada_) {
        // A series that has ended already has its line; leaving the board afterwards abandons
        // nothing.
        if (!acabada_)
            anotaHistorial(IdText::kAbandona);
        tancada_ = true;
        rellotgeEnMarxa_ = false;
    }
    return true;
}

ResultatTecla Serie::tecla(int codi, const QString& text) {
    const bool ordenacio = activitat_ == TipusActivitat::Ordenacio;
    if (tancada_)
        return {};
    if (codi == Qt::Key_Return || codi == Qt::Key_Enter) {
        if (btTxtVisible_)
            return {true, continua()};
        return {!ordenacio, false};
    }
    // Tab stays with the window so the buttons can be reached from the keyboard.
    if (codi == Qt::Key_Tab || codi == Qt::Key_Backtab || ordenacio)
        return {};

    if (btTxtVisible_ || !act_)
        return {true, false};
    if (codi == Qt::Key_Left) {
        if (activitat_ == TipusActivitat::Multiplicar)
            act_->fletxaEsquerra();
        emit canviat();
        return {true, false};
    }
    for (QChar c : text) {
        if (btTxtVisible_)
            break;
        c = c.toUpper();
        if (act_->accepta(c))
            act_->caracter(c);
    }
    emit canviat();
    return {true, false};
}

void Serie::clicTecla(int index) {
    if (!act_ || !enJoc() || !teclatActiu_)
        return;
    if (Teclats::panell(index) != act_->teclat())
        return;
    act_->caracter(teclats_.caracter(index));
    emit canviat();
}

void Serie::ajuda() {
    if (!act_ || !enJoc() || btTxtVisible_)
        return;
    ajudaDemanada_ = true;
    RespostaErronia();
    if (acabada_)
        return;
    act_->ajuda();
    emit canviat();
}

void Serie::canviaEspera() {
    esperaActiva_ = !esperaActiva_;
    emit canviat();
}

QList<int> Serie::clicPersiana() {
    if (persianaComprova() || !teclatActiu_ || tancada_)
        return {};
    so("21");
    QList<int> passos = persiana_.clic();
    emit canviat();
    return passos;
}

QList<int> Serie::clicMarcador() {
    if (tancada_)
        return {};
    so("21");
    QList<int> passos = marcador_.clic();
    emit canviat();
    return passos;
}
