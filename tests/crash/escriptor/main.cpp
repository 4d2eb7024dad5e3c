// Performs one kind of write over and over until it is killed, for the crash test: argument 1 is
// the kind's name, argument 2 the program folder `prepara` laid down, an optional argument 3 the
// number of steps. A '+' on standard output marks each whole step. The kind "prepara" lays the
// folder down, for a run by hand (under strace, say).
#include "tests/crash/helpers/Escriptures.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString carpeta = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "prepara") == 0)
        return Escriptures::prepara(carpeta) ? 0 : 1;
    const int passos = argc > 3 ? std::atoi(argv[3]) : -1;
    for (const Escriptures::Escriptura& e : Escriptures::kEscriptures) {
        if (std::strcmp(e.nom, argv[1]) != 0)
            continue;
        for (int i = 0; i != passos; ++i) {
            if (!Escriptures::pas(e.tipus, carpeta, i)) {
                std::fprintf(stderr, "step %d failed\n", i);
                return 1;
            }
            if (::write(STDOUT_FILENO, "+", 1) != 1)
                return 1;
        }
        return 0;
    }
    return 2;
}
