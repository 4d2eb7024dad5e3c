// Drives the program's windows on a real display for scripts/screenshots: fills the program
// folder given with a sample group and a few weeks of its history, then saves what the screen shows
// of the front page, its pupil list with and without the tools, the class overview, the
// worksheets window, the board of two activities, the level editor and a pupil's progress chart.
// Usage: xifrum_captures PROGRAM_FOLDER OUT_FOLDER

#include "classe/ui/fProgres.h"
#include "core/Arrencada.h"
#include "core/ProgramFolder.h"
#include "core/Rutes.h"
#include "core/Sessio.h"
#include "core/ui/Escalat.h"
#include "core/ui/QtSoundPlayer.h"
#include "frontpage/Portada.h"
#include "history/LiniaHistorial.h"
#include "levels/NivellsPerDefecte.h"
#include "levels/ui/fConfig.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <vector>

namespace {

QByteArray alumne(char numero, const QByteArray& nom, const QByteArray& nivells) {
    return QByteArray(1, numero) + nom.leftJustified(35, ' ') + nivells + QByteArray(20, ' ');
}

bool preparaCarpeta(const QString& carpeta) {
    QDir().mkpath(carpeta + "/Inf/Niv");
    QDir().mkpath(carpeta + "/Inf/Dat");
    QFile grups(ProgramFolder::grupsCfg(carpeta));
    QByteArray g = "111111111";
    g += char(0) + QByteArray(9, char(10)) + QByteArray("Escola").leftJustified(100, ' ');
    if (!grups.open(QIODevice::WriteOnly) || grups.write(g) != g.size())
        return false;
    QFile niv(RutaNivell(carpeta, "Escola"));
    if (!niv.open(QIODevice::WriteOnly) || !EscriuNivellsPerDefecte(niv))
        return false;
    QFile dat(RutaRegistres(carpeta, 1, 0));
    const QByteArray alumnes =
        alumne(1, "Arnau Vidal", "\x02\x01\x01\x01\x03\x01\x01\x01\x01") +
        alumne(2, "Bet Soler", "\x04\x02\x01\x01\x05\x02\x01\x01\x01") +
        alumne(3, "Carla Puig", "\x01\x01\x01\x01\x01\x01\x01\x01\x01") +
        alumne(4, "Dani Roca", "\x03\x03\x02\x01\x02\x01\x01\x01\x01") +
        alumne(5, "Laia Roig", QByteArray("\x00\x02\x01\x01\x04\x01\x01\x01\x01", 9));
    if (!dat.open(QIODevice::WriteOnly) || dat.write(alumnes) != alumnes.size())
        return false;
    // A few weeks of series for all but the last pupil, for the class overview.
    QDir().mkpath(carpeta + "/Inf/Hst");
    const char* noms[] = {"Arnau Vidal", "Bet Soler", "Carla Puig", "Dani Roca"};
    const char* resultats[] = {"Superat", "Errors", "Temps", "Superat", "Abandona"};
    const QDate avui = QDate::currentDate();
    for (int a = 0; a < 4; ++a) {
        QByteArray h;
        for (int i = 0; i < 6 + 5 * a; ++i)
            h += QStringLiteral("%1\tSumar\t%2\t%3\t 10\t(10)\t  %4\t(5)\t%5\t(300)\r\n")
                     .arg(avui.addDays(-3 * i - a).toString(u"dd-MM-yy"),
                          QString::fromLatin1(resultats[(i + a) % 5]))
                     .arg(1 + i / 3)
                     .arg(i % 4)
                     .arg(60 + 37 * ((i * 7 + a) % 7))
                     .toLatin1();
        QFile f(RutaHistorial(carpeta, QString::fromLatin1(noms[a])));
        if (!f.open(QIODevice::WriteOnly) || f.write(h) != h.size())
            return false;
    }
    return true;
}

void espera(int ms) {
    QTest::qWait(ms);
}

bool desa(QWidget* w, const QString& ruta) {
    const QRect r = w->frameGeometry();
    const QPixmap p = w->screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
    const bool ok = p.save(ruta);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(ruta));
    return ok;
}

void pestanya(Portada& portada, int t) {
    auto* llistes = portada.findChild<QTabWidget*>("Llistes");
    QTest::mouseClick(llistes->tabBar(), Qt::LeftButton, {},
                      llistes->tabBar()->tabRect(t).center());
}

void fila(Portada& portada, int r) {
    auto* g = portada.findChild<QTableWidget*>(QString::fromUtf8("Relació"));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {},
                      g->visualRect(g->model()->index(r, 1)).center());
}

// Opens the board for the selected pupil, saves it once it has settled, and closes it.
bool pissarra(Portada& portada, const QString& ruta) {
    bool ok = false;
    QTimer::singleShot(800, [&] {
        if (auto* p = QApplication::activeModalWidget()) {
            ok = desa(p, ruta);
            p->close();
        }
    });
    portada.iniciaPissarra();
    return ok;
}

// Opens the level editor on the front page's group, saves it on activity 1 and on activity 9
// (long division), and closes it.
bool editorNivells(Sessio& sessio, Portada& portada, const QString& sortida) {
    bool ok = false;
    QTimer::singleShot(800, [&] {
        QWidget* finestra = QApplication::activeModalWidget();
        if (!finestra)
            return;
        ok = desa(finestra, sortida + "/fconfig-cardinals.png");
        if (auto* dividir = finestra->findChild<QPushButton*>("Fulls_9")) {
            QTest::mouseClick(dividir, Qt::LeftButton);
            espera(300);
            ok = desa(finestra, sortida + "/fconfig-dividir.png") && ok;
        }
        finestra->close();
    });
    fConfig::Obre(sessio, &portada);
    return ok;
}

// Two and a half months of addition for one pupil, one to three series a day, with every
// outcome: S passed, E errors, T time, A abandoned; a new day after each "/".
bool preparaHistorial(const QString& carpeta, const QString& nom) {
    const char kSeries[] = "ES/SE/TA/ETS/E/TE/AE/ET/EES/T/SA/ETE/S/TEA/ES/ET/TS/E/AEE/T/ESA";
    QByteArray bytes;
    QDate dia(2026, 9, 14);
    int nivell = 1, dies = 1;
    for (const char* c = kSeries; *c; ++c) {
        // Mondays and Thursdays, a week off in the middle.
        if (*c == '/') {
            dia = dia.addDays((dia.dayOfWeek() == 1 ? 3 : 4) + (++dies == 12 ? 7 : 0));
            continue;
        }
        const int errors = *c == 'E' ? 5 : *c == 'S' ? int(dia.day() % 3) : int(dia.day() % 5);
        const int resultat = *c == 'S' ? 301 : *c == 'E' ? 45 : *c == 'T' ? 43 : 302;
        bytes += LiniaHistorial{dia,
                                0,
                                5,
                                TextIdioma(resultat, 0),
                                QString::number(nivell),
                                10,
                                errors,
                                180 + 7 * errors,
                                10,
                                5,
                                300}
                     .bytes();
        if (*c == 'S' && nivell < 10)
            ++nivell;
        if (*c == 'S' && dia.dayOfWeek() == 3)
            bytes +=
                LiniaHistorial{dia, 0, 6, TextIdioma(301, 0), "1", 10, 1, 150, 10, 5, 300}.bytes();
    }
    QDir().mkpath(carpeta + "/Inf/Hst");
    QFile f(RutaHistorial(carpeta, nom));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Opens the progress chart of a pupil with a history, saves it and closes it.
bool progres(const Sessio& sessio, Portada& portada, const QString& ruta) {
    bool ok = false;
    QTimer::singleShot(800, [&] {
        if (auto* f = QApplication::activeModalWidget()) {
            ok = desa(f, ruta);
            f->close();
        }
    });
    fProgres::Obre(&portada, sessio, "Bet Soler");
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    std::vector<char*> ordre(argv, argv + argc + 1);
    QApplication app(argc, argv);
    Escalat::arrenca(ordre.data());
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString carpeta = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString sortida = QString::fromLocal8Bit(argv[2]);
    if (!preparaCarpeta(carpeta))
        return 1;

    Sessio sessio;
    Arrencada arrencada(carpeta);
    if (arrencada.executa(sessio).estat != EstatArrencada::Correcta)
        return 1;
    QtSoundPlayer so(sessio.carpeta);
    Portada portada(sessio, so);
    portada.move(0, 0);
    portada.show();
    if (!QTest::qWaitForWindowExposed(&portada))
        return 1;
    espera(500);
    bool ok = desa(&portada, sortida + "/portada.png");

    pestanya(portada, 5);
    fila(portada, 1);
    espera(300);
    ok = desa(&portada, sortida + "/portada-llista.png") && ok;
    portada.setAnimacions(false);
    portada.findChild<QAbstractButton*>("Persiana")->click();
    espera(300);
    ok = desa(&portada, sortida + "/portada-eines.png") && ok;
    QTimer::singleShot(800, [&] {
        if (auto* resum = QApplication::activeModalWidget()) {
            ok = desa(resum, sortida + "/resum.png") && ok;
            resum->close();
        }
    });
    portada.findChild<QAbstractButton*>("bEines_9")->click();
    QTimer::singleShot(800, [&] {
        if (auto* fitxes = QApplication::activeModalWidget()) {
            ok = desa(fitxes, sortida + "/fitxes.png") && ok;
            fitxes->close();
        }
    });
    portada.findChild<QAbstractButton*>("bEines_10")->click();
    portada.TancaPersiana();
    ok = pissarra(portada, sortida + "/pissarra-sumar.png") && ok;

    pestanya(portada, 1);
    fila(portada, 3);
    espera(300);
    ok = pissarra(portada, sortida + "/pissarra-cardinals.png") && ok;
    ok = editorNivells(sessio, portada, sortida) && ok;
    ok = preparaHistorial(carpeta, "Bet Soler") &&
         progres(sessio, portada, sortida + "/progres.png") && ok;
    return ok ? 0 : 1;
}
