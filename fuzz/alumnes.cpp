// A group's pupil file: the rows read, sorted and turned back into records, and the paths the
// names and pictures they hold lead to.

#include "core/FitxerAlumnes.h"
#include "core/LlistaAlumnes.h"
#include "core/Rutes.h"
#include "fuzz/CarpetaFuzz.h"
#include "records/ImatgeAlumne.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    // A whole record written back as it was read keeps every field.
    const Registre r = Registre::decode(bytes.left(Registre::kLength));
    if (bytes.size() >= Registre::kLength)
        COMPROVA(Registre::decode(r.encode()) == r);

    const QString& carpeta = CarpetaFuzz::carpeta();
    const QString dat = RutaRegistres(carpeta, 1, 0);
    CarpetaFuzz::escriu(dat.mid(carpeta.size() + 1), bytes);
    QList<FilaAlumne> files = FitxerAlumnes::llegeix(carpeta, 1, 0);
    COMPROVA(files.size() <= bytes.size() / Registre::kLength);
    for (const FilaAlumne& f : std::as_const(files)) {
        COMPROVA(f.size() == LlistaAlumnes::kColumnes);
        const int p = LlistaAlumnes::posicio(f);
        COMPROVA(LlistaAlumnes::fila(LlistaAlumnes::registre(f), p) == f);
        const Registre desat = LlistaAlumnes::registre(f);
        COMPROVA(
            CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Inf/Hst"), RutaHistorial(carpeta, desat.Nom)));
        const QString imatge = ImatgeAlumne::ruta(carpeta, desat.Imatge);
        COMPROVA(imatge.isEmpty() || CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Imatges"), imatge));
    }
    // The order is total: sorted, no row comes before one ahead of it, however far apart.
    LlistaAlumnes::ordena(files);
    for (qsizetype i = 0; i < files.size(); ++i)
        for (qsizetype j = i + 1; j < files.size(); ++j)
            COMPROVA(!LlistaAlumnes::abans(files[j], files[i]));
    const int nova = LlistaAlumnes::posicioNova(files);
    for (const FilaAlumne& f : std::as_const(files))
        COMPROVA(LlistaAlumnes::posicio(f) != nova);
    return 0;
}
