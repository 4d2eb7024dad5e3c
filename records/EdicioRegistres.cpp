#include "records/EdicioRegistres.h"

#include "core/FitxerAlumnes.h"
#include "core/IdsText.h"
#include "core/Rutes.h"
#include "core/SafeName.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/Win1252.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

EdicioRegistres::EdicioRegistres(Sessio& sessio, Mode mode, QList<FilaAlumne>& files, int fila)
    : sessio_(sessio), mode_(mode), files_(files) {
    for (uint8_t& n : sessio_.grup.Nivells)
        if (n == 0)
            n = LlistaAlumnes::kMaxNivells;
    // Read even when the caller's list is empty: a new record must not land on a pupil the
    // caller has not seen yet.
    rellegeix();
    if (mode_ == Mode::Afegir)
        camps_ = registreNou();
    else if (!files_.isEmpty())
        mostra(std::clamp(fila, 0, int(files_.size()) - 1));
}

int EdicioRegistres::idAccio() const {
    switch (mode_) {
    case Mode::Afegir:
        return IdText::kAfegir;
    case Mode::Editar:
        return IdText::kEditar;
    case Mode::Eliminar:
        break;
    }
    return IdText::kEliminar;
}

int EdicioRegistres::nivellMaxim(int activitat) const {
    return std::min(sessio_.grup.nivells(activitat), LlistaAlumnes::kMaxNivells);
}

bool EdicioRegistres::nivellEditable(int activitat) const {
    return mode_ != Mode::Eliminar && sessio_.grup.ofereix(activitat);
}

bool EdicioRegistres::mostra(int fila) {
    if (fila < 0 || fila >= files_.size())
        return false;
    fila_ = fila;
    camps_ = LlistaAlumnes::registre(files_[fila]);
    sessio_.registre = camps_;
    return true;
}

EdicioRegistres::Resultat EdicioRegistres::afegeix() {
    if (mode_ != Mode::Afegir)
        return Resultat::NoDesat;
    Registre nou = camps_;
    nou.Nom = nomNou(camps_.Nom);
    if (const Resultat refus = nomRefusat(nou.Nom); refus != Resultat::Desat)
        return refus;
    const int grup = sessio_.general.GrupActual;
    const int idioma = sessio_.general.Idioma;
    if (!FitxerAlumnes::afegeix(sessio_.carpeta, grup, idioma,
                                {LlistaAlumnes::fila(nou, LlistaAlumnes::posicioNova(files_))}))
        return Resultat::NoDesat;
    desat_ = true;
    sessio_.registre = nou;
    rellegeix();
    camps_.Numero = uint8_t(std::min(camps_.Numero + 1, kNumeroMaxim));
    camps_.Nom.clear();
    camps_.Imatge.clear();
    return Resultat::Desat;
}

bool EdicioRegistres::afegeixVarios(const QList<FilaAlumne>& nous) {
    if (mode_ != Mode::Afegir)
        return false;
    if (nous.isEmpty())
        return true;
    if (!FitxerAlumnes::afegeix(sessio_.carpeta, sessio_.general.GrupActual, sessio_.general.Idioma,
                                nous))
        return false;
    desat_ = true;
    rellegeix();
    camps_.Numero = uint8_t(numeroNou(files_));
    return true;
}

EdicioRegistres::Resultat EdicioRegistres::edita(Historial* historial) {
    conflicte_ = false;
    if (mode_ != Mode::Editar || fila_ < 0)
        return Resultat::NoDesat;
    if (senseNom())
        return Resultat::SenseNom;
    const FilaAlumne abans = files_[fila_];
    // The record first: a history renamed for a name that never reached the file would no longer
    // be found under the pupil's name.
    Registre desat = camps_;
    const int posicio = FitxerAlumnes::escriuCanvis(
        sessio_.carpeta, sessio_.general.GrupActual, sessio_.general.Idioma,
        LlistaAlumnes::posicio(abans), LlistaAlumnes::registre(abans), desat, &conflicte_);
    if (posicio == 0)
        return Resultat::NoDesat;
    desat_ = true;
    camps_ = desat;
    const FilaAlumne despres = LlistaAlumnes::fila(desat, posicio);
    files_[fila_] = despres;
    sessio_.registre = LlistaAlumnes::registre(despres);
    const Historial h = reanomenaHistorial(sessio_.carpeta, abans.value(LlistaAlumnes::kColNom),
                                           despres.value(LlistaAlumnes::kColNom));
    if (historial)
        *historial = h;
    return Resultat::Desat;
}

void EdicioRegistres::elimina() {
    if (mode_ != Mode::Eliminar || fila_ < 0)
        return;
    esborrades_ << files_.takeAt(fila_);
    esborrats_ = true;
    if (files_.isEmpty()) {
        fila_ = -1;
        camps_ = Registre{};
        return;
    }
    mostra(std::min(fila_, int(files_.size()) - 1));
}

bool EdicioRegistres::tanca(bool confirma) {
    if (!esborrats_)
        return true;
    esborrats_ = false;
    bool ok = true;
    if (confirma) {
        ok = FitxerAlumnes::reescriuSenseEsborrats(sessio_.carpeta, sessio_.general.GrupActual,
                                                   sessio_.general.Idioma, esborrades_, files_);
        desat_ = desat_ || ok;
    }
    esborrades_.clear();
    if (!confirma || !ok)
        rellegeix();
    LlistaAlumnes::ordena(files_);
    return ok;
}

EdicioRegistres::Historial EdicioRegistres::reanomenaHistorial(const QString& carpeta,
                                                               const QString& nomVell,
                                                               const QString& nomNou) {
    const QString vell = RutaHistorial(carpeta, nomVell);
    const QString nou = RutaHistorial(carpeta, nomNou);
    if (vell == nou)
        return Historial::Igual;
    if (!QFileInfo::exists(vell))
        return Historial::SenseFitxer;
    // Renaming over an existing file would throw away another pupil's history.
    if (QFileInfo::exists(nou))
        return Historial::Ocupat;
    return QFile::rename(vell, nou) ? Historial::Reanomenat : Historial::Error;
}

QString EdicioRegistres::nomNou(const QString& tecleig) {
    const QByteArray camp = Win1252::field(tecleig.trimmed().toUpper(), Registre::kAmpleNom);
    return TextUtil::trimSpaces(Win1252::decode(camp));
}

EdicioRegistres::Resultat EdicioRegistres::nomRefusat(const QString& nom) {
    if (nom.trimmed().isEmpty())
        return Resultat::SenseNom;
    // Made safe, such a name would share a file with another pupil's ("A/B" and "A_B"), or
    // with no pupil's at all.
    return SafeName::isValid(nom) ? Resultat::Desat : Resultat::NomNoValid;
}

int EdicioRegistres::numeroNou(const QList<FilaAlumne>& files) {
    int numero = 0;
    for (const FilaAlumne& f : files)
        numero = std::max(numero, int(LlistaAlumnes::registre(f).Numero));
    return std::clamp(numero + 1, 1, kNumeroMaxim);
}

bool EdicioRegistres::senseNom() const {
    // A blank name would show as an empty row and share one history file with every other blank
    // name.
    return camps_.Nom.trimmed().isEmpty();
}

Registre EdicioRegistres::registreNou() const {
    Registre r;
    r.Numero = uint8_t(numeroNou(files_));
    r.Nivell.fill(1);
    return r;
}

void EdicioRegistres::rellegeix() {
    files_ =
        FitxerAlumnes::llegeix(sessio_.carpeta, sessio_.general.GrupActual, sessio_.general.Idioma);
    LlistaAlumnes::ordena(files_);
    if (fila_ >= files_.size())
        fila_ = int(files_.size()) - 1;
}
