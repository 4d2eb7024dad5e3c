// One computer of a program folder shared by several: it holds its own single-copy lock (in its
// own TMPDIR) and does a random mix of what pupils and a teacher do there, through the program's
// own logic, logging each change that was stored, one line each:
//   PASS <picture id> <activity> <level stored>   a pupil passed a level
//   HST <hex of the history line>                  the line appended for it
//   ADD <picture id> <name> | REN <picture id> <old name> <new name> | DEL <picture id>
//   SET <set name> <hex of activity 1's records>   a level set saved
//   CLAU <password> | IDIOMA <language>            General.cfg changed
// Usage: ordinador <program folder> <computer number> <operations> <log file>
#include "core/ConfigGeneral.h"
#include "core/ConfigGrup.h"
#include "core/FitxerAlumnes.h"
#include "core/InstanceLock.h"
#include "core/Rutes.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "history/HistorialCompartit.h"
#include "levels/DadesNivell.h"
#include "levels/JocsNivells.h"
#include "records/EdicioRegistres.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <random>

namespace {

constexpr int kGrup = 1;

QString nom(const FilaAlumne& f) {
    return TextUtil::trimSpaces(f.value(LlistaAlumnes::kColNom));
}
QString id(const FilaAlumne& f) {
    return TextUtil::trimSpaces(f.value(LlistaAlumnes::kColImatge));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 5)
        return 2;
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    const int k = QByteArray(argv[2]).toInt();
    const int operacions = QByteArray(argv[3]).toInt();
    QFile fitxerLog(QString::fromLocal8Bit(argv[4]));
    if (!fitxerLog.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    QTextStream log(&fitxerLog);

    InstanceLock copia(carpeta);
    if (copia.acquire() != InstanceLock::Result::Acquired)
        return 3;
    // The records editor works in the session's group and language; General.cfg's own changes go
    // through a record of their own, as the windows that change it do.
    Sessio sessio;
    sessio.carpeta = carpeta;
    sessio.general.GrupActual = kGrup;
    ConfigGeneral llegit = LlegirConfigGeneral(carpeta);
    ConfigGeneral general = llegit;
    std::mt19937 atzar(unsigned(k) * 7919U + 17U);
    const auto tria = [&](int n) { return int(atzar() % unsigned(n)); };

    for (int op = 0; op < operacions; ++op) {
        sessio.grup = LlegirConfigGrup(carpeta, kGrup);
        const QString marca = QStringLiteral("%1-%2").arg(k).arg(op);
        QList<FilaAlumne> files = FitxerAlumnes::llegeix(carpeta, kGrup, 0);
        const int tipus = tria(20);
        if (tipus < 10 && !files.isEmpty()) { // a pupil passes the level shown in the list
            FilaAlumne fila = files[tria(int(files.size()))];
            const int activitat = 1 + tria(kActivitats);
            Registre r = LlistaAlumnes::registre(fila);
            const int jugat = r.Nivell[activitat - 1];
            if (jugat == 0)
                continue;
            LiniaHistorial l;
            l.data = QDate(2026, 1, 1);
            l.activitat = activitat;
            l.resultat = "Superat";
            l.nivell = QString::number(jugat);
            l.fer = k;
            l.temps = op;
            if (EscriuHistorialCompartit(carpeta, nom(fila), l))
                log << "HST " << l.bytes().toHex() << '\n';
            if (FitxerAlumnes::desaNivellSuperat(carpeta, kGrup, 0, activitat, jugat, 10, r, fila))
                log << "PASS " << id(fila) << ' ' << activitat << ' ' << r.Nivell[activitat - 1]
                    << '\n';
        } else if (tipus < 13 && LlistaAlumnes::potAfegir(files.size())) {
            EdicioRegistres e(sessio, EdicioRegistres::Mode::Afegir, files, 0);
            e.camps().Nom = "P" + marca;
            e.camps().Imatge = marca;
            if (e.afegeix() == EdicioRegistres::Resultat::Desat)
                log << "ADD " << marca << " P" << marca << '\n';
        } else if (tipus < 16 && !files.isEmpty()) {
            LlistaAlumnes::ordena(files);
            EdicioRegistres e(sessio, EdicioRegistres::Mode::Editar, files,
                              tria(int(files.size())));
            if (e.fila() < 0)
                continue;
            const FilaAlumne abans = e.files()[e.fila()];
            e.camps().Nom = "R" + marca;
            if (e.edita() == EdicioRegistres::Resultat::Desat)
                log << "REN " << id(abans) << ' ' << nom(abans) << " R" << marca << '\n';
        } else if (tipus < 17 && !files.isEmpty()) {
            LlistaAlumnes::ordena(files);
            EdicioRegistres e(sessio, EdicioRegistres::Mode::Eliminar, files,
                              tria(int(files.size())));
            if (e.fila() < 0)
                continue;
            const QString esborrat = id(e.files()[e.fila()]);
            e.elimina();
            if (e.tanca(true))
                log << "DEL " << esborrat << '\n';
        } else if (tipus < 19) { // a level set saved: activity 1 from the editor's grid
            QList<FilaGraella> graella;
            for (int n = 1; n <= kNivellsPerActivitat; ++n)
                graella << FilaGraella{QString::number(100 + k), QString::number(1 + op % 50),
                                       QString::number(n), "1", "99"};
            JocsNivells jocs(
                sessio, [](const QString&) { return true; }, [](const QString&) {},
                [&] { return graella; });
            jocs.Obre();
            QByteArray registres;
            for (int n = 1; n <= jocs.nivellsMostrats(); ++n)
                registres += jocs.llegeixFila(1, graella[n - 1]).encode();
            jocs.marcaModificat();
            if (jocs.ArxivarConfig())
                log << "SET " << jocs.JocObert() << ' ' << registres.toHex() << '\n';
        } else if (tria(2) == 0) {
            const QString clau = QStringLiteral("C%1").arg(k * 1000 + op);
            general.Clau = clau.toLatin1().leftJustified(8, ' ');
            if (DesarCanvisGeneral(carpeta, llegit, general))
                log << "CLAU " << clau << '\n';
        } else {
            general.Idioma = int16_t(tria(4));
            if (DesarCanvisGeneral(carpeta, llegit, general))
                log << "IDIOMA " << general.Idioma << '\n';
        }
        log.flush();
    }
    // The program's close.
    return DesarCanvisGeneral(carpeta, llegit, general) ? 0 : 4;
}
