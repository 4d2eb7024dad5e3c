// How long the class overview takes over a group of 100 pupils with 2 000 history lines each:
// opening it (the pupil file and every history read, parsed and summed) and sorting it by a
// number column and by the names; then the same for the window, built, shown and laid out, and
// sorted from its heading. Build in Release with -DXIFRUM_BENCH=ON and run bench_resum (it shows
// the window offscreen unless a platform is given).
#include "classe/ResumClasse.h"
#include "classe/ui/fResum.h"
#include "core/Rutes.h"
#include "core/Sessio.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kAlumnes = 100;
constexpr int kLinies = 2'000;
constexpr int kRepeticions = 7;

QByteArray historial(int alumne) {
    const char* activitats[] = {"Cardinals", "Romans", "Sumar", "Restar", "Taules", "Dividir"};
    const char* resultats[] = {"Superat", "Temps", "Errors", "Abandona", "Acaba"};
    QByteArray b;
    for (int i = 0; i < kLinies; ++i)
        b += QStringLiteral("%1-%2-%3\t%4\t%5\t%6\t%7\t(10)\t%8\t(5)\t%9\t(300)\r\n")
                 .arg(1 + i % 28, 2, 10, QChar('0'))
                 .arg(1 + i / 28 % 12, 2, 10, QChar('0'))
                 .arg(20 + i / 336)
                 .arg(QString::fromLatin1(activitats[(i + alumne) % 6]),
                      QString::fromLatin1(resultats[(i * 7 + alumne) % 5]))
                 .arg(1 + i % 10, 2)
                 .arg(i % 11, 3)
                 .arg(i % 6, 3)
                 .arg(30 + (i + alumne) % 270, 3)
                 .toLatin1();
    return b;
}

bool prepara(const QString& carpeta) {
    QDir().mkpath(carpeta + "/Inf/Dat");
    QDir().mkpath(carpeta + "/Inf/Hst");
    QByteArray registres;
    for (int a = 1; a <= kAlumnes; ++a) {
        const QByteArray nom = "Alumne " + QByteArray::number(a);
        registres += char(a) + nom.leftJustified(35, ' ') + QByteArray(9, char(1 + a % 10)) +
                     QByteArray(20, ' ');
        QFile h(RutaHistorial(carpeta, QString::fromLatin1(nom)));
        const QByteArray text = historial(a);
        if (!h.open(QIODevice::WriteOnly) || h.write(text) != text.size())
            return false;
    }
    QFile dat(RutaRegistres(carpeta, 1, 0));
    return dat.open(QIODevice::WriteOnly) && dat.write(registres) == registres.size();
}

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

double mediana(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !prepara(dir.path())) {
        std::fprintf(stderr, "could not write the sample group\n");
        return 1;
    }
    const ConfigGrup cfg;
    const Periode periode = Periode::de(Periode::Tipus::Trimestre, QDate(2024, 12, 7));
    QList<double> obrir, perNombre, perNom;
    qsizetype series = 0;
    for (int r = 0; r < kRepeticions; ++r) {
        QElapsedTimer t;
        t.start();
        ResumClasse resum = ResumClasse::llegeix(dir.path(), 1, 0, cfg, periode);
        obrir << ms(t);
        series = 0;
        for (qsizetype i = 0; i < resum.files(); ++i)
            series += resum.alumne(i).historial->size();
        t.restart();
        resum.ordena(resum.columnes() - 4, Qt::DescendingOrder); // series passed
        perNombre << ms(t);
        t.restart();
        resum.ordena(1, Qt::AscendingOrder);
        perNom << ms(t);
    }
    Sessio sessio;
    sessio.carpeta = dir.path();
    QList<double> finestra, finestraOrdena;
    for (int r = 0; r < kRepeticions; ++r) {
        QElapsedTimer t;
        t.start();
        fResum f(sessio, {});
        f.show();
        QCoreApplication::processEvents();
        finestra << ms(t);
        auto* cap = f.findChild<QTableWidget*>("Taula")->horizontalHeader();
        t.restart();
        cap->setSortIndicator(cap->count() - 4, Qt::DescendingOrder);
        QCoreApplication::processEvents();
        finestraOrdena << ms(t);
    }
    std::printf("%d pupils, %lld series read (median of %d runs)\n", kAlumnes,
                static_cast<long long>(series), kRepeticions);
    std::printf("open (read, parse, sum):  %8.2f ms  (goal < 200)\n", mediana(obrir));
    std::printf("sort by series passed:    %8.3f ms  (goal < 20)\n", mediana(perNombre));
    std::printf("sort by name:             %8.3f ms  (goal < 20)\n", mediana(perNom));
    std::printf("window open and shown:    %8.2f ms  (goal < 200)\n", mediana(finestra));
    std::printf("window sorted by heading: %8.3f ms  (goal < 20)\n", mediana(finestraOrdena));
    return 0;
}
