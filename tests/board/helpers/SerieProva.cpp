#include "SerieProva.h"

#include "FitxerAlumnes.h"
#include "FitxerNivells.h"
#include "Rutes.h"

#include <QFile>

namespace {

Registre alumne(int numero, const QString& nom, uint8_t nivell) {
    Registre r;
    r.Numero = uint8_t(numero);
    r.Nom = nom;
    r.Nivell.fill(nivell);
    return r;
}

QByteArray contingut(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

DadesNivell nivellAmb(int temps, int fer, int errors, int p1, int p2) {
    DadesNivell d;
    d.Temps = int16_t(temps);
    d.Fer = int16_t(fer);
    d.Errors = int16_t(errors);
    d.Parametre1 = p1;
    d.Parametre2 = p2;
    return d;
}

SerieProva::SerieProva(int activitat, int nivellAlumne, const DadesNivell& d, int nivells) {
    const QString niv = RutaNivell(carpeta(), QStringLiteral("Proves"));
    FitxerNivells::escriu(niv, IndexNivell(activitat, nivellAlumne), d);

    const Registre jugador = alumne(7, kNom, uint8_t(nivellAlumne));
    FitxerAlumnes::escriu(carpeta(), kGrup, 0, 1, alumne(4, QStringLiteral("Pere"), 2));
    FitxerAlumnes::escriu(carpeta(), kGrup, 0, kPosicio, jugador);
    FitxerAlumnes::escriu(carpeta(), kGrup, 0, 3, alumne(9, QStringLiteral("Rosa"), 1));

    obertura.carpeta = carpeta();
    obertura.grup = kGrup;
    obertura.idioma = 0;
    obertura.separador = 0;
    obertura.configGrup.NomNivell = QStringLiteral("Proves");
    obertura.configGrup.Nivells.fill(uint8_t(nivells));
    obertura.registre = jugador;
    obertura.posicio = kPosicio;
    obertura.activitat = activitat;
    obertura.llavor = 1;
}

Serie& SerieProva::obre() {
    return obreAmb([this](int, ContextActivitat& ctx) {
        auto a = std::make_unique<FakeActivitat>(ctx);
        act = a.get();
        return a;
    });
}

Serie& SerieProva::obreAmb(Serie::CreaActivitat crea) {
    EntornSerie entorn;
    entorn.so = &so;
    entorn.receptor = &receptor;
    entorn.avui = [] { return QDate(2001, 12, 5); };
    serie = std::make_unique<Serie>(obertura, entorn, std::move(crea));
    serie->obre();
    return *serie;
}

void SerieProva::escriu(const QString& s) {
    for (QChar c : s)
        serie->tecla(0, QString(c));
}

void SerieProva::tics(int n) {
    for (int i = 0; i < n; ++i)
        serie->tic();
}

void SerieProva::enter() {
    serie->tecla(Qt::Key_Return, QStringLiteral("\r"));
}

QByteArray SerieProva::historial() const {
    return contingut(RutaHistorial(carpeta(), kNom));
}

QList<QByteArray> SerieProva::liniesHistorial() const {
    QList<QByteArray> linies = historial().split('\n');
    if (!linies.isEmpty() && linies.constLast().isEmpty())
        linies.removeLast();
    return linies;
}

QByteArray SerieProva::fitxerAlumnes() const {
    return contingut(RutaRegistres(carpeta(), kGrup, 0));
}

int SerieProva::nivellAlFitxer(int posicio, int a) const {
    const QByteArray b = fitxerAlumnes();
    const qsizetype at = (posicio - 1) * Registre::kLength + 36 + (a - 1);
    return at < b.size() ? uint8_t(b.at(at)) : -1;
}
