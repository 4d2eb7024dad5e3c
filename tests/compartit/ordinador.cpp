// One computer of a program folder shared by several: it holds its own single-copy lock (in its
// own TMPDIR) and does a random mix of what pupils and a teacher do, through the program's own
// logic, logging each change stored: PASS <picture> <activity> <level stored>, HST <history line
// in hex>, ADD <picture> <name>, REN <picture> <old name> <new name>, DEL <picture>,
// SET <set name> <activity 1's records in hex>, CLAU <password>, IDIOMA <language>.
// Usage: ordinador <program folder> <computer number> <operations> <log file>
#include "core/FitxerAlumnes.h"
#include "core/InstanceLock.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "history/EscriuHistorial.h"
#include "levels/JocsNivells.h"
#include "records/EdicioRegistres.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <random>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QFile fitxerLog(argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString());
    if (!fitxerLog.open(QIODevice::WriteOnly | QIODevice::Text))
        return 2;
    QTextStream log(&fitxerLog);
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    const int k = atoi(argv[2]), operacions = atoi(argv[3]);
    InstanceLock copia(carpeta);
    if (copia.acquire() != InstanceLock::Result::Acquired)
        return 3;
    // The records editor works in group 1, language 0; General.cfg's own changes go through a
    // record of their own, as in the program.
    Sessio sessio{carpeta, {}, {}, {}, {}};
    ConfigGeneral llegit = LlegirConfigGeneral(carpeta), general = llegit;
    std::mt19937 atzar(unsigned(k) * 7919U + 17U);
    const auto tria = [&](qsizetype n) { return int(atzar() % unsigned(n)); };
    const auto nom = [](const FilaAlumne& f) { return TextUtil::trimSpaces(f[1]); };
    const auto id = [](const FilaAlumne& f) { return TextUtil::trimSpaces(f[12]); };

    for (int op = 0; op < operacions; ++op, log.flush()) {
        sessio.grup = LlegirConfigGrup(carpeta, 1);
        const QString marca = QStringLiteral("%1-%2").arg(k).arg(op);
        QList<FilaAlumne> files = FitxerAlumnes::llegeix(carpeta, 1, 0);
        LlistaAlumnes::ordena(files);
        const int tipus = tria(20), fila = files.isEmpty() ? -1 : tria(files.size());
        if (tipus < 10 && fila >= 0) { // a pupil passes the level the list shows
            Registre r = LlistaAlumnes::registre(files[fila]);
            const int activitat = 1 + tria(kActivitats), jugat = r.Nivell[activitat - 1];
            const LiniaHistorial l{.data = QDate(2026, 1, 1),
                                   .activitat = activitat,
                                   .resultat = "Superat",
                                   .nivell = QString::number(jugat),
                                   .fer = k,
                                   .temps = op};
            if (jugat != 0 && EscriuHistorial(carpeta, nom(files[fila]), l))
                log << "HST " << l.bytes().toHex() << '\n';
            if (jugat != 0 && FitxerAlumnes::desaNivell(
                                  carpeta, 1, 0, LlistaAlumnes::posicio(files[fila]), activitat,
                                  LlistaAlumnes::nivellDespresDeSuperar(jugat, 10), r))
                log << "PASS " << id(files[fila]) << ' ' << activitat << ' '
                    << r.Nivell[activitat - 1] << '\n';
        } else if (tipus < 13 && LlistaAlumnes::potAfegir(files.size())) {
            EdicioRegistres e(sessio, EdicioRegistres::Mode::Afegir, files, 0);
            e.camps().Nom = "P" + marca;
            e.camps().Imatge = marca;
            if (e.afegeix() == EdicioRegistres::Resultat::Desat)
                log << "ADD " << marca << " P" << marca << '\n';
        } else if (tipus < 16 && fila >= 0) {
            const FilaAlumne abans = files[fila];
            EdicioRegistres e(sessio, EdicioRegistres::Mode::Editar, files, fila);
            e.camps().Nom = "R" + marca;
            if (e.files()[e.fila()] == abans && e.edita() == EdicioRegistres::Resultat::Desat)
                log << "REN " << id(abans) << ' ' << nom(abans) << " R" << marca << '\n';
        } else if (tipus < 17 && fila >= 0) {
            EdicioRegistres e(sessio, EdicioRegistres::Mode::Eliminar, files, fila);
            const QString esborrat = id(e.files()[e.fila()]);
            e.elimina();
            if (e.tanca(true))
                log << "DEL " << esborrat << '\n';
        } else if (tipus < 19) { // the level editor saves activity 1 of the group's set
            QList<FilaGraella> graella;
            for (int n = 1; n <= 10; ++n)
                graella << FilaGraella{QString::number(100 + k), QString::number(1 + op % 50),
                                       QString::number(n), "1", "99"};
            JocsNivells jocs(
                sessio, [](auto&) { return true; }, [](auto&) {}, [&] { return graella; });
            jocs.Obre();
            QByteArray registres;
            for (int n = 1; n <= jocs.nivellsMostrats(); ++n)
                registres += jocs.llegeixFila(1, graella[n - 1]).encode();
            jocs.marcaModificat();
            if (jocs.ArxivarConfig())
                log << "SET " << jocs.JocObert() << ' ' << registres.toHex() << '\n';
        } else if (tria(2) == 0) {
            general.Clau = QByteArray("C" + QByteArray::number(k * 1000 + op)).leftJustified(8);
            if (DesarCanvisGeneral(carpeta, llegit, general))
                log << "CLAU " << general.clauText() << '\n';
        } else {
            general.Idioma = int16_t(tria(4));
            if (DesarCanvisGeneral(carpeta, llegit, general))
                log << "IDIOMA " << general.Idioma << '\n';
        }
    }
    return DesarCanvisGeneral(carpeta, llegit, general) ? 0 : 4; // the program's close
}
