#include "core/Arrencada.h"
#include "core/ConfigGeneral.h"
#include "core/FitxerAlumnes.h"
#include "core/Sessio.h"
#include "history/EscriuHistorial.h"
#include "history/FitxerHistorial.h"
#include "levels/FitxerNivells.h"
#include "levels/JocsNivells.h"
#include "tests/support/Taula.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

namespace {

// The writes cut short, one kind at a time. Each starts from the folder `prepara` lays down and
// repeats one step, alternating between two contents (the level editor's also between "Sí" and
// "No"), so the files after step i are those after step i % kPeriode.
enum class Tipus { Reescriu, NivellSuperat, JocNivells, Historial, DesaHistorial, General };
struct Escriptura {
    const char* nom;
    Tipus tipus;
};
const Escriptura kEscriptures[] = {
    {"records editor rewrite", Tipus::Reescriu},        {"level passed", Tipus::NivellSuperat},
    {"level set saved and settled", Tipus::JocNivells}, {"history line", Tipus::Historial},
    {"history viewer save", Tipus::DesaHistorial},      {"General.cfg on close", Tipus::General}};
constexpr int kPeriode = 4;
const QString kJoc = "Inf/Niv/Prova.niv", kCopia = "Inf/Niv/Prova.ni2", kHst = "Inf/Hst/ANNA.rtf";

// Contents differ in length as well, so a file cut short or half replaced never passes for one.
QList<FilaAlumne> alumnes() {
    QList<FilaAlumne> files;
    for (int n = 1; n <= 30; ++n)
        files << LlistaAlumnes::fila({uint8_t(n), "ALUMNE " + QString::number(n), {1, 2, 3}, {}},
                                     n);
    return files;
}
QString historia(int k) {
    QString text;
    for (int n = 0; n < 40 - 15 * k; ++n)
        text += QString("07-12-26\tCardinals\t%1\t%2\n").arg(k ? "Superat" : "Temps").arg(n);
    return text;
}
QByteArray linia(int i) {
    return "07-12-26\tSumar\tAbandona\t" + QByteArray::number(i) + QByteArray(i % 5, '\t') + "\r\n";
}

bool prepara(const QString& c) {
    ConfigGeneral general;
    ConfigGrup grup;
    grup.NomNivell = "Prova";
    return QDir(c).mkpath("Inf/Hst") && DesarCanvisGeneral(c, general, {}) &&
           DesarCanvisGrup(c, 1, {}, grup) && FitxerNivells::creaSiFalta(c + '/' + kJoc) &&
           FitxerAlumnes::afegeix(c, 1, 0, alumnes()) &&
           FitxerHistorial::desa(c, "ANNA", historia(0));
}

bool pas(Tipus tipus, const QString& c, int i) {
    QList<FilaAlumne> files = FitxerAlumnes::llegeix(c, 1, 0);
    Registre r = LlistaAlumnes::registre(files.value(1));
    Sessio sessio{c, {}, {}, LlegirConfigGrup(c, 1), {}};
    bool fallat = false;
    // The tab switch writes activity 1 through, "Sí" activity 2; "No" puts the backup back.
    JocsNivells jocs(
        sessio, [i](const QString&) { return i % kPeriode != 3; },
        [&fallat](const QString&) { fallat = true; },
        [i] {
            return QList<FilaGraella>(10, {QString::number(100 + i % 2), "9", "3", "1", "0"});
        });
    switch (tipus) {
    case Tipus::Reescriu: // the last pupil deleted, then added back
        return i % 2 ? FitxerAlumnes::afegeix(c, 1, 0, {alumnes().last()})
                     : FitxerAlumnes::reescriuSenseEsborrats(c, 1, 0, {files.last()}, files);
    case Tipus::NivellSuperat:
        return FitxerAlumnes::desaNivell(c, 1, 0, LlistaAlumnes::posicio(files[1]), 1,
                                         4 + 2 * (i % 2), r);
    case Tipus::JocNivells:
        jocs.Obre();
        jocs.CanviaOpcResta(i % 2);
        return jocs.CanviaActivitat(2) && jocs.ArxivarConfig() && !fallat;
    case Tipus::Historial:
        return EscriuHistorial(c, "ANNA", linia(i));
    case Tipus::DesaHistorial:
        return FitxerHistorial::desa(c, "ANNA", historia(i % 2));
    case Tipus::General: {
        ConfigGeneral llegit = LlegirConfigGeneral(c);
        return DesarCanvisGeneral(c, llegit,
                                  i % 2 ? ConfigGeneral{5, "PERE    ", 1, 2, 1}
                                        : ConfigGeneral{3, "ANNA    ", 0, 1, 2});
    }
    }
    return false;
}

using Fitxers = QMap<QString, QByteArray>; // path under the folder -> bytes

Fitxers fitxers(const QString& carpeta, bool envelleix = false) {
    Fitxers out;
    QDirIterator it(carpeta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        out[f.fileName().mid(carpeta.size() + 1)] = f.open(QIODevice::ReadOnly) ? f.readAll() : "";
        // As though the next start came minutes later: no one writes any temporary then.
        if (envelleix)
            f.setFileTime(QDateTime::currentDateTime().addSecs(-600), QFile::FileModificationTime);
    }
    return out;
}

// Every file some whole step leaves, and the backup the level editor keeps while a set is open.
QSet<QString> coneguts(const QList<Fitxers>& estats) {
    QSet<QString> noms{kCopia};
    for (const Fitxers& e : estats)
        noms.unite(QSet<QString>(e.keyBegin(), e.keyEnd()));
    return noms;
}

// The first file of `ara` that no whole step left, among those the steps write (others are
// temporaries). The level editor writes its set through one 14-byte record at a time, so each
// record is one a step left, and its backup is whole; a history is its old lines plus whole new
// lines.
QString tallat(Tipus tipus, const Fitxers& ara, const QList<Fitxers>& estats) {
    for (const QString& nom : coneguts(estats)) {
        const QByteArray b = ara.value(nom, "<missing>");
        bool bo = false;
        for (const Fitxers& e : estats)
            bo |= b == e.value(nom, "<missing>") || (nom == kCopia && b == e.value(kJoc));
        if (nom == kJoc && !bo) {
            bo = b.size() == estats[0].value(kJoc).size();
            for (qsizetype p = 0; bo && p < b.size(); p += 14)
                bo = std::any_of(estats.begin(), estats.end(), [&](const Fitxers& e) {
                    return b.mid(p, 14) == e.value(kJoc).mid(p, 14);
                });
        }
        if (tipus == Tipus::Historial && nom == kHst) {
            QByteArray linies = estats[0].value(kHst);
            for (int i = 0; linies.size() < b.size(); ++i)
                linies += linia(i);
            bo = b == linies;
        }
        if (!bo)
            return nom + ": " + b.left(80).toPercentEncoding(" \t");
    }
    return {};
}

} // namespace

class TestInterrupcions : public QObject {
    Q_OBJECT

private slots:
    // A writer killed at a random moment leaves every file as a whole step left it, and the next
    // start-up runs on the folder and leaves no temporary behind. XIFRUM_TALLS sets the kills per
    // kind (a few by default, to keep the suite quick).
    void killedMidWrite_data() { files(kEscriptures); }
    void killedMidWrite() {
        const Escriptura& e = fila(kEscriptures);
        QTemporaryDir model;
        QVERIFY(prepara(model.path()));
        QList<Fitxers> estats{fitxers(model.path())};
        for (int i = 0; i < kPeriode; ++i) {
            QVERIFY(pas(e.tipus, model.path(), i));
            estats << fitxers(model.path());
        }
        const int talls = qEnvironmentVariable("XIFRUM_TALLS", "3").toInt();
        int passos = 0, temporals = 0;
        for (int t = 0; t < talls; ++t) {
            QTemporaryDir dir;
            QVERIFY(prepara(dir.path()));
            QProcess fill;
            fill.start(QCoreApplication::applicationFilePath(), {"--escriu", e.nom, dir.path()});
            QVERIFY(fill.waitForReadyRead(60000));
            const int espera = QRandomGenerator::global()->bounded(40000);
            QThread::usleep(espera);
            fill.kill();
            QVERIFY(fill.waitForFinished());
            // Still writing when killed, and no sanitizer spoke.
            const QString quan = QString("kill %1 after %2 us: ").arg(t).arg(espera);
            const QByteArray error = fill.readAllStandardError();
            QVERIFY2(fill.exitStatus() == QProcess::CrashExit && error.isEmpty(),
                     qPrintable(quan + error));
            passos += int(fill.readAllStandardOutput().count('+'));
            const Fitxers ara = fitxers(dir.path(), true);
            QCOMPARE(quan + tallat(e.tipus, ara, estats), quan);
            temporals +=
                int((QSet<QString>(ara.keyBegin(), ara.keyEnd()) - coneguts(estats)).size());

            Sessio s;
            QCOMPARE(Arrencada(dir.path()).executa(s).estat, EstatArrencada::Correcta);
            const Fitxers despres = fitxers(dir.path());
            QCOMPARE(quan + tallat(e.tipus, despres, estats), quan);
            QCOMPARE(QSet<QString>(despres.keyBegin(), despres.keyEnd()) - coneguts(estats),
                     QSet<QString>());
        }
        qInfo("%s: %d kills after %d whole steps, %d temporaries left by them", e.nom, talls,
              passos, temporals);
    }
};

// "--escriu KIND FOLDER [STEPS]": the writer the test kills; a '+' on standard output marks each
// whole step. "--prepara FOLDER" lays a folder down for a run by hand (under strace, say).
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--prepara")
        return prepara(args[2]) ? 0 : 1;
    if (args.size() >= 4 && args[1] == "--escriu") {
        const int passos = args.size() > 4 ? args[4].toInt() : -1;
        for (const Escriptura& e : kEscriptures)
            for (int i = 0; args[2] == e.nom && i != passos; ++i)
                if (!pas(e.tipus, args[3], i) || ::write(STDOUT_FILENO, "+", 1) != 1)
                    return 1;
        return 0;
    }
    TestInterrupcions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Interrupcions.moc"
