#include "frontpage/EstatPortada.h"

#include "core/FitxerAlumnes.h"
#include "core/IdsText.h"
#include "core/ProgramFolder.h"
#include "core/Rutes.h"
#include "core/SafeName.h"
#include "core/Sessio.h"
#include "core/SoundPlayer.h"
#include "core/TextUtil.h"
#include "levels/FitxerNivells.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr int kPestanyes = kActivitats + 1; // the groups page's tab, then one per activity
const QString kSoEina = QStringLiteral("20");
const QString kSoPersiana = QStringLiteral("21");
constexpr int kEinaNivells = 1;

} // namespace

EstatPortada::EstatPortada(Sessio& sessio, SoundPlayer& so) : sessio_(sessio), so_(so) {}

bool EstatPortada::triaGrup(int grup) {
    if (grup < 1 || grup > 16 || grup == sessio_.general.GrupActual)
        return false;
    sessio_.general.GrupActual = int16_t(grup);
    refrescaActivitats();
    so_.ReproduirSo(QString::number(grup));
    return true;
}

void EstatPortada::refrescaActivitats() {
    sessio_.grup = LlegirConfigGrup(sessio_.carpeta, sessio_.general.GrupActual);
}

bool EstatPortada::pestanyaVisible(int pestanya) const {
    if (pestanya == ::numero(TipusActivitat::Portada))
        return true;
    return pestanya > 0 && pestanya < kPestanyes && sessio_.grup.ofereix(pestanya);
}

int EstatPortada::pestanyesVisibles() const {
    int n = 0;
    for (int p = 0; p < kPestanyes; ++p)
        n += pestanyaVisible(p) ? 1 : 0;
    return n;
}

QString EstatPortada::titol() const {
    return " " + sessio_.text(IdText::kPrograma) + ": " +
           sessio_.nomGrup(sessio_.general.GrupActual);
}

EstatPortada::Canvi EstatPortada::canviaPestanya(int nova) {
    if (nova < 0 || nova >= kPestanyes || tipusActivitat(nova) == pestanya_)
        return Canvi::Cap;
    so_.ReproduirSo(kSoEina);
    const TipusActivitat anterior = pestanya_;
    pestanya_ = tipusActivitat(nova);
    if (anterior == TipusActivitat::Portada) {
        llegeix();
        seleccionaFila(0);
        return Canvi::Llegida;
    }
    if (pestanya_ == TipusActivitat::Portada)
        return Canvi::Portada;
    if (buida())
        return Canvi::NomesAmples;
    rellegeix();
    return Canvi::Rellegida;
}

void EstatPortada::rellegeix() {
    const int fila = fila_;
    llegeix();
    seleccionaFila(qBound(0, fila, int(files_.size()) - 1));
}

void EstatPortada::llegeix() {
    files_ =
        FitxerAlumnes::llegeix(sessio_.carpeta, sessio_.general.GrupActual, sessio_.general.Idioma);
    LlistaAlumnes::ordena(files_);
    fila_ = -1;
}

void EstatPortada::seleccionaFila(int fila) {
    if (fila < 0 || fila >= files_.size()) {
        fila_ = -1;
        return;
    }
    fila_ = fila;
    sessio_.registre = LlistaAlumnes::registre(files_.at(fila));
}

const FilaAlumne* EstatPortada::filaActual() const {
    return fila_ >= 0 && fila_ < files_.size() ? &files_.at(fila_) : nullptr;
}

QString EstatPortada::numero() const {
    const FilaAlumne* f = filaActual();
    return f ? f->value(LlistaAlumnes::kColNumero) : QString();
}

QString EstatPortada::nom() const {
    const FilaAlumne* f = filaActual();
    return f ? TextUtil::trimSpaces(f->value(LlistaAlumnes::kColNom)) : QString();
}

QString EstatPortada::nivell() const {
    const FilaAlumne* f = filaActual();
    if (!f || pestanya_ == TipusActivitat::Portada)
        return {};
    return f->value(LlistaAlumnes::kColNivell1 + ::numero(pestanya_) - 1);
}

bool EstatPortada::imatgeActiva() const {
    return filaActual() && pestanya_ != TipusActivitat::Portada &&
           LlistaAlumnes::nivellDeText(nivell()) > 0;
}

QString EstatPortada::rutaImatge() const {
    const FilaAlumne* f = filaActual();
    if (!f)
        return {};
    const QString imatge = TextUtil::trimSpaces(f->value(LlistaAlumnes::kColImatge));
    if (imatge.isEmpty())
        return {};
    return ProgramFolder::path(sessio_.carpeta,
                               QString(ProgramFolder::kImatges) + '/' + SafeName::fileName(imatge));
}

EstatPortada::Inici EstatPortada::comprovaInici() const {
    const auto missatge = [](int id) { return Inici{Inici::Accio::Avisa, id}; };
    const QString nomNivell = TextUtil::trimSpaces(sessio_.grup.NomNivell);
    if (nomNivell.isEmpty())
        return missatge(IdText::kGrupSenseNivell);
    if (!QFile::exists(RutaNivell(sessio_.carpeta, nomNivell)))
        return missatge(IdText::kNivellNoTrobat);
    if (!filaActual())
        return {};
    const int nivellAlumne = LlistaAlumnes::nivellDeText(nivell());
    if (nivellAlumne == 0)
        return missatge(IdText::kActivitatSuperada);
    // A set that cannot be read (no permission, a folder in its place, cut short) would be
    // played as levels of zeros, passed without a single exercise.
    const int k =
        IndexNivell(::numero(pestanya_), std::clamp(nivellAlumne, 1, kNivellsPerActivitat));
    const std::optional<DadesNivell> d =
        FitxerNivells::llegeixSencer(RutaNivell(sessio_.carpeta, nomNivell), k);
    if (!d || d->Fer <= 0)
        return missatge(IdText::kNivellIllegible);
    return {Inici::Accio::Comenca};
}

void EstatPortada::nivellSuperat(int activitat, const QString& text) {
    if (!filaActual() || tipusActivitat(activitat) == TipusActivitat::Portada)
        return;
    files_[fila_][LlistaAlumnes::kColNivell1 + activitat - 1] = text;
    seleccionaFila(fila_);
}

void EstatPortada::einaPremuda(int index) {
    if (index != kEinaNivells)
        so_.ReproduirSo(kSoEina);
}

void EstatPortada::persianaPremuda() {
    so_.ReproduirSo(kSoPersiana);
}

bool EstatPortada::potAfegir() const {
    return LlistaAlumnes::potAfegir(files_.size());
}
