// Replays a corpus folder through a fuzz target without libFuzzer, so that the ordinary suite
// (any compiler, the sanitizers of its build) runs every input the fuzzer ever kept or crashed on.

#include "fuzz/CarpetaFuzz.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const QStringList fitxers = corpus.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    // An empty or missing folder would pass without testing anything.
    if (fitxers.isEmpty()) {
        std::fprintf(stderr, "no inputs in %s\n", argv[1]);
        return 1;
    }
    for (const QString& nom : fitxers) {
        QFile f(corpus.filePath(nom));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(f.fileName()));
            return 1;
        }
        const QByteArray b = f.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(b.constData()), size_t(b.size()));
    }
    std::printf("%lld inputs of %s replayed\n", qlonglong(fitxers.size()), argv[1]);
    return 0;
}
