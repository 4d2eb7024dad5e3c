// How long the history viewer takes over a history of 10 000 lines: opening it (file read, text
// set, first paint), scrolling from the end to the top and back, one typed character (the change
// handler compares the whole text), and laying out the printout. Build in Release with
// -DXIFRUM_BENCH=ON and run bench_historic (on a display, or with QT_QPA_PLATFORM=offscreen).
#include "core/Sessio.h"
#include "history/FitxerHistorial.h"
#include "history/ui/HistorialImpres.h"
#include "history/ui/fHistoric.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kLinies = 10'000;
constexpr int kRepeticions = 5;

QByteArray historial() {
    const char* activitats[] = {"Cardinals",
                                "Ordenaci\xf3",
                                "Sumar",
                                "Multiplicar",
                                "Biderkaketa",
                                "T\xe1"
                                "boas"};
    const char* resultats[] = {"Superat", "Temps", "Errores", "Abandona", "Gaindituta"};
    QByteArray b;
    for (int i = 0; i < kLinies; ++i)
        b += QStringLiteral("%1-%2-24\t%3\t%4\t%5\t%6\t(10)\t%7\t(5)\t%8\t(300)\r\n")
                 .arg(1 + i % 28, 2, 10, QChar('0'))
                 .arg(1 + i / 28 % 12, 2, 10, QChar('0'))
                 .arg(QString::fromLatin1(activitats[i % 6]))
                 .arg(QString::fromLatin1(resultats[i % 5]))
                 .arg(1 + i % 10, 2)
                 .arg(i % 11, 3)
                 .arg(i % 6, 3)
                 .arg(30 + i % 270, 3)
                 .toLatin1();
    return b;
}

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Sessio sessio;
    sessio.carpeta = dir.path();
    sessio.registre.Nom = "Alumne";
    QDir().mkpath(dir.filePath("Inf/Hst"));
    QFile f(dir.filePath("Inf/Hst/Alumne.rtf"));
    if (!f.open(QIODevice::WriteOnly))
        return 1;
    f.write(historial());
    f.close();

    double llegir = 0, obrir = 0, desplacar = 0, tecla = 0, compaginar = 0;
    for (int r = 0; r < kRepeticions; ++r) {
        QElapsedTimer t;
        t.start();
        const auto text = FitxerHistorial::obre(sessio.carpeta, sessio.registre.Nom);
        llegir += ms(t);

        t.restart();
        fHistoric finestra(sessio, QPixmap());
        finestra.show();
        finestra.grab(); // the first paint, at the end of the text
        obrir += ms(t);

        auto* visor = finestra.findChild<QPlainTextEdit*>("Visor");
        QScrollBar* barra = visor->verticalScrollBar();
        t.restart();
        barra->setValue(0);
        visor->viewport()->grab();
        barra->setValue(barra->maximum());
        visor->viewport()->grab();
        desplacar += ms(t) / 2;

        t.restart();
        QKeyEvent prem(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(visor, &prem);
        tecla += ms(t);

        QPrinter printer(QPrinter::HighResolution);
        HistorialImpres::preparaImpressora(printer);
        HistorialImpres::Dades d;
        d.linies = text->split(u'\n');
        t.restart();
        const auto pagines = HistorialImpres::pagines(d, HistorialImpres::paper(printer),
                                                      HistorialImpres::mesures(printer));
        compaginar += ms(t);
        if (r == 0)
            std::printf("%d lines, %lld printed pages\n", kLinies,
                        static_cast<long long>(pagines ? pagines->size() : 0));
    }
    std::printf("mean of %d runs, ms:\n", kRepeticions);
    std::printf("  read the file            %8.2f\n", llegir / kRepeticions);
    std::printf("  open and first paint     %8.2f\n", obrir / kRepeticions);
    std::printf("  scroll a screen's worth  %8.2f\n", desplacar / kRepeticions);
    std::printf("  one typed character      %8.2f\n", tecla / kRepeticions);
    std::printf("  lay out the printout     %8.2f\n", compaginar / kRepeticions);
    return 0;
}
