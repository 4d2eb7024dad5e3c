#include "frontpage/DisposicioPortada.h"

namespace DisposicioPortada {

namespace {

constexpr int kPantallaPetita = 7200;
constexpr int kBaixaGrups = 210;
constexpr int kBaixaPanel = 180;
constexpr int kMargeLlistes = 2220;

constexpr int kGrupsPerFila = 7;
constexpr int kPasObrir = 200;
constexpr int kPasTancar = 100;

constexpr int kAmpleNom = 5175;
constexpr int kAmpleNomAmbBarra = 4930;
constexpr int kAmpleNivell = 1500;
constexpr int kAmpleNumero = 600;
constexpr int kFilesAmbBarra = 17;
constexpr int kAltMaxima = 4650;
constexpr int kAltBuida = 345;
constexpr int kMargeFiles = 90;
constexpr int kSeparacioFarcit = 50;
constexpr int kAltFarcitMinim = 15;

constexpr int kLliureSanefa = 600;
constexpr int kMargeSanefa = 120;
constexpr int kAltSanefa = 900;

constexpr int kYEinaVertical = 435;
// Eight tools between the open blind and the closed blind's lower edge.
constexpr int kPasEinaVertical = 455;
constexpr int kAltEinaVertical = 435;
constexpr int kAmpleEinaBarra = 1630;
constexpr int kAltEinaBarra = 615;
constexpr int kXEinaBarra[3] = {2100, 465, 3735}; // tools 0, 1, 2

} // namespace

QRect grup(int n) {
    if (n < 1 || n > 16)
        return {};
    int columna = 0, fila = 0;
    if (n <= kGrupsPerFila) {
        columna = n - 1;
    } else if (n <= kGrupsPerFila + 2) {
        fila = 1;
        columna = n == kGrupsPerFila + 1 ? 0 : kGrupsPerFila - 1;
    } else {
        fila = 2;
        columna = n - kGrupsPerFila - 3;
    }
    return {columna * kAmpleGrup, fila * kAltGrup, kAmpleGrup, kAltGrup};
}

QRect eina(int index) {
    if (index >= 0 && index <= 2)
        return {kXEinaBarra[index], 0, kAmpleEinaBarra, kAltEinaBarra};
    if (index >= 3 && index <= 10)
        return {kPersiana.x(), kYEinaVertical + (index - 3) * kPasEinaVertical, kPersiana.width(),
                kAltEinaVertical};
    return {};
}

QList<int> passosObrir(int tancada, int oberta) {
    QList<int> passos;
    for (int mida = tancada; mida > oberta; mida -= kPasObrir)
        passos << mida;
    passos << oberta;
    return passos;
}

QList<int> passosTancar(int tancada, int desDe) {
    QList<int> passos;
    for (int mida = desDe; mida < tancada; mida += kPasTancar)
        passos << mida;
    passos << tancada;
    return passos;
}

Contenidors perPantalla(int alcadaPantalla) {
    Contenidors c;
    if (alcadaPantalla <= kPantallaPetita)
        return c;
    c.grups.translate(0, kBaixaGrups);
    c.sortida.translate(0, kBaixaGrups);
    c.portada.translate(0, kBaixaGrups);
    c.llistes.setHeight(alcadaPantalla - kMargeLlistes);
    c.panel.translate(0, kBaixaPanel);
    return c;
}

QRect llocSanefa(const Contenidors& c) {
    const int dalt = c.panel.y() + c.panel.height();
    const int lliure = c.llistes.y() + c.llistes.height() - dalt;
    if (lliure < kLliureSanefa)
        return {};
    const int alt = qMin(lliure - 2 * kMargeSanefa, kAltSanefa);
    return {c.llistes.x() + 2 * kMargeSanefa, dalt + (lliure - alt) / 2,
            c.llistes.width() - 4 * kMargeSanefa, alt};
}

std::array<int, LlistaAlumnes::kColumnes> amplesLlistaBuida(TipusActivitat activitat) {
    std::array<int, LlistaAlumnes::kColumnes> amples{};
    amples[LlistaAlumnes::kColNom] = kAmpleNom;
    if (activitat != TipusActivitat::Portada)
        amples[LlistaAlumnes::kColNivell1 + numero(activitat) - 1] = kAmpleNivell;
    amples[LlistaAlumnes::kColNumero] = kAmpleNumero;
    return amples;
}

FormaGraella forma(TipusActivitat activitat, int files, bool buida) {
    FormaGraella f;
    f.amples = amplesLlistaBuida(activitat);
    f.barra = files >= kFilesAmbBarra;
    f.amples[LlistaAlumnes::kColNom] = f.barra ? kAmpleNomAmbBarra : kAmpleNom;
    if (f.barra)
        f.alcada = kAltMaxima;
    else if (buida)
        f.alcada = kAltBuida;
    else
        f.alcada = files * kAltFila + kMargeFiles;
    const int dalt = kYRelacio + f.alcada + kSeparacioFarcit;
    f.farcit = QRect(kXRelacio, dalt, kAmpleRelacio, qMax(kAltFarcitMinim, kFonsFarcit - dalt));
    return f;
}

} // namespace DisposicioPortada
