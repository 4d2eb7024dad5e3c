#include "frontpage/PortadaLayout.h"

namespace PortadaLayout {

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
constexpr int kPasEinaVertical = 610;
constexpr int kAltEinaVertical = 580;
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
    if (index >= 3 && index <= 8)
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

Disposicio perPantalla(int alcadaPantalla) {
    Disposicio d;
    if (alcadaPantalla <= kPantallaPetita)
        return d;
    d.grups.translate(0, kBaixaGrups);
    d.sortida.translate(0, kBaixaGrups);
    d.portada.translate(0, kBaixaGrups);
    d.llistes.setHeight(alcadaPantalla - kMargeLlistes);
    d.panel.translate(0, kBaixaPanel);
    return d;
}

QRect sanefa(const Disposicio& d) {
    const int dalt = d.panel.y() + d.panel.height();
    const int lliure = d.llistes.y() + d.llistes.height() - dalt;
    if (lliure < kLliureSanefa)
        return {};
    const int alt = qMin(lliure - 2 * kMargeSanefa, kAltSanefa);
    return {d.llistes.x() + 2 * kMargeSanefa, dalt + (lliure - alt) / 2,
            d.llistes.width() - 4 * kMargeSanefa, alt};
}

std::array<int, 13> amplesLlistaBuida(int pestanya) {
    std::array<int, 13> amples{};
    amples[1] = kAmpleNom;
    if (pestanya >= 1 && pestanya <= 9)
        amples[pestanya + 1] = kAmpleNivell;
    amples[0] = kAmpleNumero;
    return amples;
}

FormatGraella formatGraella(int pestanya, int files, bool buida) {
    FormatGraella f;
    f.amples = amplesLlistaBuida(pestanya);
    f.barra = files >= kFilesAmbBarra;
    f.amples[1] = f.barra ? kAmpleNomAmbBarra : kAmpleNom;
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

} // namespace PortadaLayout
