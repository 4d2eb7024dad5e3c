#include "core/Arrencada.h"
#include "core/Sessio.h"
#include "tests/crash/helpers/Escriptures.h"
#include "tests/support/Taula.h"

#include <QDateTime>
#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

using namespace Escriptures;

namespace {

using Fitxers = QMap<QString, QByteArray>; // path under the folder -> bytes
const QByteArray kFalta = "<missing>";
constexpr int kRegistreNivell = 14;
const QString kJoc = "Inf/Niv/Prova.niv", kCopia = "Inf/Niv/Prova.ni2", kHst = "Inf/Hst/ANNA.rtf";
constexpr int kEsperaMaxima = 40000; // microseconds a writer runs after its first whole step

Fitxers fitxers(const QString& carpeta) {
    Fitxers out;
    QDirIterator it(carpeta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        out[f.fileName().mid(carpeta.size() + 1)] = f.open(QIODevice::ReadOnly) ? f.readAll() : "";
    }
    return out;
}

// As though the next start came minutes later: every temporary is then one no one writes.
void envelleix(const QString& carpeta) {
    QDirIterator it(carpeta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        QVERIFY(f.open(QIODevice::ReadOnly) &&
                f.setFileTime(QDateTime::currentDateTime().addSecs(-600),
                              QFileDevice::FileModificationTime));
    }
}

// Every file some whole step leaves, and the backup the level editor keeps while a set is open.
QSet<QString> coneguts(const QList<Fitxers>& estats) {
    QSet<QString> noms{kCopia};
    for (const Fitxers& e : estats)
        for (auto it = e.keyBegin(); it != e.keyEnd(); ++it)
            noms << *it;
    return noms;
}

// The first file of `ara` whose content no whole step left, among those the steps write (others
// are temporaries). The level editor writes its set through one record at a time, so each record
// is one a step left, and the backup is whole; a history is its old lines plus whole new ones.
QString tallat(Tipus tipus, const Fitxers& ara, const QList<Fitxers>& estats) {
    for (const QString& nom : coneguts(estats)) {
        const QByteArray b = ara.value(nom, kFalta);
        bool bo = false;
        for (const Fitxers& e : estats)
            bo |= b == e.value(nom, kFalta) || (nom == kCopia && b == e.value(kJoc));
        if (nom == kJoc && !bo && b.size() == estats[0].value(kJoc).size()) {
            bo = true;
            for (qsizetype p = 0; p < b.size(); p += kRegistreNivell) {
                bool trobat = false;
                for (const Fitxers& e : estats)
                    trobat |= e.value(kJoc).mid(p, kRegistreNivell) == b.mid(p, kRegistreNivell);
                bo &= trobat;
            }
        }
        if (nom == kHst && tipus == Tipus::Historial) {
            QByteArray esperat = estats[0].value(kHst);
            for (int i = 0; esperat.size() < b.size(); ++i)
                esperat += linia(i);
            bo = b == esperat;
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
        QList<Fitxers> estats;
        QTemporaryDir model;
        QVERIFY(prepara(model.path()));
        estats << fitxers(model.path());
        for (int i = 0; i < kPeriode; ++i) {
            QVERIFY(pas(e.tipus, model.path(), i));
            estats << fitxers(model.path());
        }
        const int talls = qEnvironmentVariableIsSet("XIFRUM_TALLS")
                              ? qEnvironmentVariableIntValue("XIFRUM_TALLS")
                              : 5;
        int passos = 0, temporals = 0;
        for (int t = 0; t < talls; ++t) {
            QTemporaryDir dir;
            QVERIFY(prepara(dir.path()));
            QProcess fill;
            fill.start(XIFRUM_ESCRIPTOR, {e.nom, dir.path()});
            QVERIFY(fill.waitForReadyRead(60000));
            const int espera = QRandomGenerator::global()->bounded(kEsperaMaxima);
            QThread::usleep(espera);
            fill.kill();
            QVERIFY(fill.waitForFinished());
            const QString quan = QString("kill %1 after %2 us: ").arg(t).arg(espera);
            // Still writing when killed, and no sanitizer spoke.
            const QByteArray error = fill.readAllStandardError();
            QVERIFY2(fill.exitStatus() == QProcess::CrashExit && error.isEmpty(),
                     qPrintable(quan + error));
            passos += int(fill.readAllStandardOutput().count('+'));
            const Fitxers ara = fitxers(dir.path());
            QCOMPARE(quan + tallat(e.tipus, ara, estats), quan);
            for (auto it = ara.keyBegin(); it != ara.keyEnd(); ++it)
                temporals += !coneguts(estats).contains(*it);

            envelleix(dir.path());
            Sessio s;
            QCOMPARE(Arrencada(dir.path()).executa(s).estat, EstatArrencada::Correcta);
            const Fitxers despres = fitxers(dir.path());
            QCOMPARE(quan + tallat(e.tipus, despres, estats), quan);
            QSet<QString> noms(despres.keyBegin(), despres.keyEnd());
            QCOMPARE(noms - coneguts(estats), QSet<QString>());
        }
        qInfo("%s: %d kills after %d whole steps, %d temporaries left by them", e.nom, talls,
              passos, temporals);
    }
};

QTEST_GUILESS_MAIN(TestInterrupcions)

#include "tst_Interrupcions.moc"
