// How long a pupil waits. Each start is a fresh process, timed from launch to its first frame on
// screen: bench_finestra_nua (a minimal Qt Widgets window, Qt Widgets alone) against
// bench_portada (the program's start up to the front page, linked like the program), taken in
// turns in the same run. Then, inside one program, the time from pressing the picture to the
// board's first exercise painted. Run under a real display server (xvfb-run) in Release; prints
// medians in milliseconds.
//
//   bench_arrencada             the whole measurement
//   bench_arrencada pissarra F  boards opened from a front page in F (used by the measurement)

#include "board/ui/PanellActivitat.h"
#include "board/ui/Pissarra.h"
#include "core/Arrencada.h"
#include "core/ProgramFolder.h"
#include "core/Rutes.h"
#include "core/Sessio.h"
#include "core/ui/QtSoundPlayer.h"
#include "frontpage/Portada.h"
#include "levels/NivellsPerDefecte.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kVegades = 41;
constexpr int kPissarres = 10;

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

void escriu(const QString& ruta, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(ruta).path());
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// A program folder with group 1 on the default level set "Proves" and one pupil at level 1.
void preparaCarpeta(const QString& carpeta) {
    QByteArray grups = "111111111";
    grups += char(0) + QByteArray(9, char(10)) + QByteArray("Proves").leftJustified(100, ' ');
    escriu(ProgramFolder::grupsCfg(carpeta), grups);
    QByteArray alumne(1, char(1));
    alumne += QByteArray("Laia Roig").leftJustified(35, ' ') + QByteArray(9, char(1)) +
              QByteArray(20, ' ');
    escriu(RutaRegistres(carpeta, 1, 0), alumne);
    QDir().mkpath(QFileInfo(RutaNivell(carpeta, "Proves")).path());
    QFile niv(RutaNivell(carpeta, "Proves"));
    if (niv.open(QIODevice::WriteOnly))
        EscriuNivellsPerDefecte(niv);
}

// Times the first paint of the activity's panel on the board, then closes the board.
class PrimerPanell : public QObject {
public:
    explicit PrimerPanell(const QElapsedTimer& rellotge) : rellotge_(rellotge) {}
    double temps = -1;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (temps < 0 && e->type() == QEvent::Paint && qobject_cast<PanellActivitat*>(o)) {
            temps = ms(rellotge_);
            if (auto* p = qobject_cast<Pissarra*>(static_cast<QWidget*>(o)->window()))
                QTimer::singleShot(0, p, &QDialog::reject);
        }
        return false;
    }

private:
    const QElapsedTimer& rellotge_;
};

// Opens the addition board kPissarres times from one front page, as a pupil would after the
// front page has settled, and prints each time.
int pissarres(int argc, char* argv[], const QString& carpeta) {
    QApplication app(argc, argv);
    Sessio sessio;
    Arrencada arrencada(carpeta);
    if (arrencada.executa(sessio).estat != EstatArrencada::Correcta)
        return 1;
    QtSoundPlayer so(sessio.carpeta);
    Portada portada(sessio, so);
    portada.show();
    if (!QTest::qWaitForWindowExposed(&portada))
        return 1;
    // As main() does: the board's background is drawn while the front page waits.
    QTimer::singleShot(300, &portada,
                       [&portada] { Pissarra::preparaFons(portada.devicePixelRatioF()); });
    QTest::qWait(500);
    auto* llistes = portada.findChild<QTabWidget*>("Llistes");
    QTest::mouseClick(llistes->tabBar(), Qt::LeftButton, {},
                      llistes->tabBar()->tabRect(5).center());
    for (int i = 0; i < kPissarres; ++i) {
        QElapsedTimer t;
        PrimerPanell filtre(t);
        app.installEventFilter(&filtre);
        t.start();
        portada.iniciaPissarra();
        app.removeEventFilter(&filtre);
        if (filtre.temps < 0)
            return 1;
        std::printf("%.3f\n", filtre.temps);
    }
    return 0;
}

// The path of a program built beside this one.
QString germa(const QString& nom) {
    return QCoreApplication::applicationDirPath() + '/' + nom;
}

// Launches `programa` with `args` and returns the milliseconds until it says "pintat". Each
// launch starts from a quiet machine: the display server has finished with the one before.
double arrenca(const QString& programa, const QStringList& args) {
    QThread::msleep(150);
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(programa, args);
    while (!p.canReadLine() && p.waitForReadyRead(10000)) {
    }
    const double temps = ms(t);
    const bool ok = p.readLine().trimmed() == "pintat";
    p.waitForFinished(10000);
    if (!ok) {
        std::fprintf(stderr, "%s did not paint\n", qPrintable(programa));
        std::exit(1);
    }
    return temps;
}

int mesura(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    preparaCarpeta(dir.path());
    std::vector<double> nues;
    std::vector<double> portades;
    const QString nua = germa("bench_finestra_nua");
    const QString portada = germa("bench_portada");
    // The first launch of each warms the disk cache.
    arrenca(nua, {});
    arrenca(portada, {dir.path()});
    for (int i = 0; i < kVegades; ++i) {
        nues.push_back(arrenca(nua, {}));
        portades.push_back(arrenca(portada, {dir.path()}));
    }

    QProcess p;
    p.start(QCoreApplication::applicationFilePath(), {"pissarra", dir.path()});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        std::fprintf(stderr, "the boards did not open\n");
        return 1;
    }
    std::vector<double> taulers;
    for (const QByteArray& linia : p.readAllStandardOutput().split('\n'))
        if (!linia.isEmpty())
            taulers.push_back(linia.toDouble());

    const double minima = mediana(nues);
    const double front = mediana(portades);
    std::printf("launch to first frame, %d launches each, median milliseconds\n", kVegades);
    std::printf("minimal Qt Widgets window:            %7.1f\n", minima);
    std::printf("front page:                           %7.1f  (%.2f x the minimal window)\n", front,
                front / minima);
    std::printf("picture pressed to first exercise painted, %d boards, milliseconds\n",
                int(taulers.size()));
    std::printf("first board:                          %7.1f\n", taulers.front());
    std::printf("median board:                         %7.1f\n", mediana(taulers));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString carpeta = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == "pissarra")
        return pissarres(argc, argv, carpeta);
    return mesura(argc, argv);
}
