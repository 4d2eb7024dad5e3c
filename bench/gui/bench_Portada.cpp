// The program's start as main() runs it, up to the front page's first frame, linked against what
// the program links. Prints "pintat" after that frame and quits. Usage: bench_portada FOLDER

#include "bench/gui/PrimerFotograma.h"
#include "core/Arrencada.h"
#include "core/Sessio.h"
#include "core/ui/Escalat.h"
#include "core/ui/QtSoundPlayer.h"
#include "frontpage/Portada.h"

#include <QApplication>

#include <vector>

int main(int argc, char* argv[]) {
    std::vector<char*> ordre(argv, argv + argc + 1);
    QApplication app(argc, argv);
    Escalat::arrenca(ordre.data());
    QApplication::setApplicationName("XIFRUM");
    if (argc < 2)
        return 2;
    Sessio sessio;
    Arrencada arrencada(QString::fromLocal8Bit(argv[1]));
    if (arrencada.executa(sessio).estat != EstatArrencada::Correcta)
        return 1;
    QtSoundPlayer so(sessio.carpeta);
    Portada portada(sessio, so);
    PrimerFotograma filtre(&portada);
    app.installEventFilter(&filtre);
    portada.show();
    return QApplication::exec();
}
