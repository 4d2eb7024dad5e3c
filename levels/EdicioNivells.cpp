#include "levels/EdicioNivells.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kXifres = 9;

constexpr std::array<Rang, 3> kRangsComptadors{kRangTemps, kRangFer, kRangErrors};

int16_t& comptador(DadesNivell& d, int i) {
    return i == 1 ? d.Temps : i == 2 ? d.Fer : d.Errors;
}

} // namespace

void EdicioNivells::CarregaActivitat() {
    files_ = jocs_.CarregaActivitat();
}

DadesNivell EdicioNivells::dades(int fila) const {
    if (!filaValida(fila))
        return {};
    return jocs_.llegeixFila(jocs_.ActivitatActual(), files_.at(fila - 1));
}

void EdicioNivells::escriu(int fila, const DadesNivell& d) {
    files_[fila - 1] = jocs_.filaDe(jocs_.ActivitatActual(), d);
    jocs_.marcaModificat();
}

bool EdicioNivells::MesNivells() {
    const auto fila = jocs_.MesNivells();
    if (!fila)
        return false;
    files_.append(*fila);
    return true;
}

bool EdicioNivells::MenysNivells() {
    if (!jocs_.MenysNivells())
        return false;
    files_.removeLast();
    return true;
}

void EdicioNivells::posaComptador(int fila, int i, int valor) {
    if (!filaValida(fila) || i < 1 || i > 3)
        return;
    DadesNivell d = dades(fila);
    const Rang r = kRangsComptadors[i - 1];
    comptador(d, i) = int16_t(std::clamp(valor, r.minim, r.maxim));
    escriu(fila, d);
}

void EdicioNivells::posaParametre(int fila, int quin, int valor) {
    if (!filaValida(fila) || (quin != 1 && quin != 2))
        return;
    const RangsActivitat r = rangsDe(jocs_.ActivitatActual());
    DadesNivell d = dades(fila);
    const int v = std::clamp(valor, (quin == 1 ? r.parametre1 : r.parametre2).minim,
                             (quin == 1 ? r.parametre1 : r.parametre2).maxim);
    (quin == 1 ? d.Parametre1 : d.Parametre2) = v;
    const bool trencada =
        (r.relacio == RelacioParametres::PrimerNoPassaSegon && d.Parametre1 > d.Parametre2) ||
        (r.relacio == RelacioParametres::SegonNoPassaPrimer && d.Parametre2 > d.Parametre1);
    if (trencada)
        (quin == 1 ? d.Parametre2 : d.Parametre1) = v;
    escriu(fila, d);
}

bool EdicioNivells::posaPortant(int fila, bool portant) {
    if (!filaValida(fila))
        return false;
    DadesNivell d = dades(fila);
    const int nou = portant ? 1 : 0;
    if (d.Parametre2 == nou)
        return false;
    d.Parametre2 = nou;
    escriu(fila, d);
    return true;
}

void EdicioNivells::Increment(int i, int k) {
    if (i < 1 || i > 3)
        return;
    const Rang r = kRangsComptadors[i - 1];
    for (int fila = 2; fila <= nivells(); ++fila) {
        DadesNivell d = dades(fila);
        DadesNivell anterior = dades(fila - 1);
        comptador(d, i) =
            int16_t(std::clamp<qint64>(qint64(comptador(anterior, i)) + k, r.minim, r.maxim));
        files_[fila - 1] = jocs_.filaDe(jocs_.ActivitatActual(), d);
    }
    jocs_.marcaModificat();
}

QString EdicioNivells::PremDigit(const QString& rotul, int p, bool esquerre) {
    if (p < 1 || p > kXifres)
        return rotul;
    const QString s = JocsNivells::NomesXifres(rotul).right(kXifres);
    const qint64 valor = s.toLongLong();
    if (p < kXifres - s.size()) {
        qint64 pes = 1;
        for (int i = p; i < kXifres; ++i)
            pes *= 10;
        return QString::number(valor + pes);
    }
    QString xifres = s.rightJustified(kXifres, u'0');
    const int d = xifres.at(p - 1).unicode() - u'0';
    xifres[p - 1] = QChar(u'0' + (esquerre ? (d + 1) % 10 : (d + 9) % 10));
    return QString::number(xifres.toLongLong());
}
