// How long a pupil waits: the bare toolkit's first window, the front page as the program builds
// it, and the board's first exercise after the picture is pressed. Run under a real display
// server (xvfb-run) in Release; prints medians in milliseconds.

#include "Arrencada.h"
#include "NivellsPerDefecte.h"
#include "PanellActivitat.h"
#include "Pissarra.h"
#include "Portada.h"
#include "ProgramFolder.h"
#include "QtSoundPlayer.h"
#include "Rutes.h"
#include "Sessio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kVegades = 10;

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

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer inici;
    inici.start();
    QApplication app(argc, argv);

    std::vector<double> finestra;
    for (int i = 0; i < kVegades; ++i) {
        QElapsedTimer t = inici;
        if (i > 0)
            t.start();
        {
            QWidget w;
            w.resize(200, 100);
            w.show();
            if (!QTest::qWaitForWindowExposed(&w))
                return 1;
            finestra.push_back(ms(t));
        }
        QCoreApplication::processEvents();
    }

    std::vector<double> portades;
    std::vector<double> pissarres;
    for (int i = 0; i < kVegades; ++i) {
        QTemporaryDir dir;
        preparaCarpeta(dir.path());
        QElapsedTimer t;
        t.start();
        {
            Sessio sessio;
            Arrencada arrencada(dir.path());
            if (arrencada.run(sessio).status != StartupResult::Ok)
                return 1;
            QtSoundPlayer so(sessio.carpeta);
            Portada portada(sessio, so);
            portada.show();
            if (!QTest::qWaitForWindowExposed(&portada))
                return 1;
            portades.push_back(ms(t));
            // What main() does while the front page waits for the first click.
            Pissarra::preparaFons(portada.devicePixelRatioF());

            auto* llistes = portada.findChild<QTabWidget*>("Llistes");
            QTest::mouseClick(llistes->tabBar(), Qt::LeftButton, {},
                              llistes->tabBar()->tabRect(5).center());
            PrimerPanell filtre(t);
            qApp->installEventFilter(&filtre);
            t.start();
            portada.iniciaPissarra();
            qApp->removeEventFilter(&filtre);
            if (filtre.temps < 0)
                return 1;
            pissarres.push_back(filtre.temps);
        }
        QCoreApplication::processEvents();
    }

    std::printf("platform %s, %d runs, median milliseconds\n",
                qPrintable(QGuiApplication::platformName()), kVegades);
    std::printf("first bare window (with QApplication start): %8.1f\n", finestra.front());
    std::printf("bare QWidget window shown:                   %8.1f\n", mediana(finestra));
    std::printf("front page built and shown (start-up incl.): %8.1f\n", mediana(portades));
    std::printf("first front page:                            %8.1f\n", portades.front());
    std::printf("picture pressed to first exercise painted:   %8.1f\n", mediana(pissarres));
    std::printf("first board:                                 %8.1f\n", pissarres.front());
    return 0;
}
