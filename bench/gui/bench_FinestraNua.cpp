// The yardstick for the program's start: a minimal Qt Widgets window (a label in a window), linked
// against Qt Widgets alone. Prints "pintat" after its first frame and quits.

#include "bench/gui/PrimerFotograma.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <QElapsedTimer>
#include <cstdlib>
#include <ctime>
int main(int argc, char* argv[]) {
    {
        timespec ts;
        clock_gettime(CLOCK_MONOTONIC, &ts);
        if (const char* t0 = getenv("T0"))
            std::fprintf(stderr, "premain %.2f\n", (ts.tv_sec * 1e9 + ts.tv_nsec - atof(t0)) / 1e6);
    }
    QElapsedTimer T;
    T.start();
    QApplication app(argc, argv);
    std::fprintf(stderr, "app %.2f\n", T.nsecsElapsed() / 1e6);
    QWidget w;
    auto* capsa = new QVBoxLayout(&w);
    capsa->addWidget(new QLabel("Hola"));
    w.resize(200, 100);
    PrimerFotograma filtre(&w);
    app.installEventFilter(&filtre);
    w.show();
    std::fprintf(stderr, "show %.2f\n", T.nsecsElapsed() / 1e6);
    int r = QApplication::exec();
    std::fprintf(stderr, "end %.2f\n", T.nsecsElapsed() / 1e6);
    return r;
}
