#include "tests/crash/helpers/Escriptures.h"

#include "core/ConfigGeneral.h"
#include "core/FitxerAlumnes.h"
#include "core/ProgramFolder.h"
#include "core/Rutes.h"
#include "core/Sessio.h"
#include "history/EscriuHistorial.h"
#include "history/FitxerHistorial.h"
#include "levels/FitxerNivells.h"
#include "levels/JocsNivells.h"

#include <QDir>

namespace Escriptures {

namespace {

constexpr int kGrup = 1;
const QString kAlumne = QStringLiteral("ANNA");

// Contents differ in length as well, so a file cut short or half replaced never passes for one.
QList<FilaAlumne> alumnes(int k) {
    QList<FilaAlumne> files;
    for (int n = 1; n <= 30 - k; ++n) {
        const QString nom = (k ? "NOU " : "VELL ") + QString::number(n);
        files << LlistaAlumnes::fila(Registre{uint8_t(n), nom, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {}}, n);
    }
    return files;
}

QString historia(int k) {
    QString text;
    for (int n = 0; n < 40 - 15 * k; ++n)
        text += QString("07-12-26\tCardinals\t%1\t%2\n").arg(k ? "Superat" : "Temps").arg(n);
    return text;
}

QList<FilaGraella> graella(int k) {
    QList<FilaGraella> files;
    for (int n = 1; n <= 10; ++n)
        files << FilaGraella{QString::number(100 + n + k), QString::number(n + k), "3", "1", "99"};
    return files;
}

bool desaJoc(const QString& carpeta, int i) {
    Sessio sessio;
    sessio.carpeta = carpeta;
    sessio.grup = LlegirConfigGrup(carpeta, kGrup);
    bool fallat = false;
    JocsNivells jocs(
        sessio, [i](const QString&) { return i % kPeriode != 3; },
        [&fallat](const QString&) { fallat = true; }, [i] { return graella(i % 2); });
    jocs.Obre();
    // The tab switch writes activity 1 through, "Sí" writes activity 2, "No" puts the backup back.
    jocs.CanviaOpcResta(i % 2);
    return jocs.CanviaActivitat(2) && jocs.ArxivarConfig() && !fallat;
}

} // namespace

bool prepara(const QString& carpeta) {
    for (const char* f :
         {ProgramFolder::kNiv, ProgramFolder::kHst, ProgramFolder::kDat, ProgramFolder::kImatges})
        QDir(carpeta).mkpath(f);
    QList<FilaAlumne> files = alumnes(0);
    ConfigGrup grup;
    grup.NomNivell = "Prova";
    return DesarConfigGeneral(carpeta, ConfigGeneral{}) && DesarConfigGrup(carpeta, kGrup, grup) &&
           FitxerNivells::creaSiFalta(rutaJoc(carpeta)) &&
           FitxerAlumnes::reescriu(carpeta, kGrup, 0, files) &&
           FitxerHistorial::desa(carpeta, kAlumne, historia(0));
}

bool pas(Tipus tipus, const QString& carpeta, int i) {
    switch (tipus) {
    case Tipus::Reescriu: {
        QList<FilaAlumne> files = alumnes(i % 2);
        return FitxerAlumnes::reescriu(carpeta, kGrup, 0, files);
    }
    case Tipus::NivellSuperat: {
        FilaAlumne fila = FitxerAlumnes::llegeix(carpeta, kGrup, 0).value(1);
        Registre r = LlistaAlumnes::registre(fila);
        return FitxerAlumnes::desaNivellSuperat(carpeta, kGrup, 0, 1, 3 + 2 * (i % 2), 10, r, fila);
    }
    case Tipus::JocNivells:
        return desaJoc(carpeta, i);
    case Tipus::Historial:
        return EscriuHistorial(carpeta, kAlumne, linia(i));
    case Tipus::DesaHistorial:
        return FitxerHistorial::desa(carpeta, kAlumne, historia(i % 2));
    case Tipus::General:
        return DesarConfigGeneral(carpeta, i % 2 ? ConfigGeneral{5, "PERE    ", 1, 2, 1}
                                                 : ConfigGeneral{3, "ANNA    ", 0, 1, 2});
    }
    return false;
}

QByteArray linia(int i) {
    return "07-12-26\tSumar\tAbandona\t" + QByteArray::number(i) + QByteArray(i % 5, '\t') + "\r\n";
}

QString rutaHistorial(const QString& carpeta) {
    return RutaHistorial(carpeta, kAlumne);
}

QString rutaJoc(const QString& carpeta) {
    return RutaNivell(carpeta, "Prova");
}

} // namespace Escriptures
