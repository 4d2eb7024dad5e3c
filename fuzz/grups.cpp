// Grups.cfg: every group's record read as the program reads it, and the set each one names.

#include "core/ConfigGrup.h"
#include "core/Rutes.h"
#include "fuzz/CarpetaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    CarpetaFuzz::escriu("Inf/Grups.cfg", bytes);
    const QString niv = CarpetaFuzz::ruta("Inf/Niv");
    for (int g = 0; g <= 17; ++g) {
        const ConfigGrup c = LlegirConfigGrup(CarpetaFuzz::carpeta(), g);
        bool alguna = false;
        for (int a = 0; a <= kActivitats + 1; ++a) {
            alguna = alguna || c.ofereix(a);
            COMPROVA(c.nivells(a) >= 1 && c.nivells(a) <= 255);
        }
        COMPROVA(alguna);
        c.ambResta();
        COMPROVA(CarpetaFuzz::dinsDe(niv, RutaNivell(CarpetaFuzz::carpeta(), c.NomNivell)));
        COMPROVA(CarpetaFuzz::dinsDe(niv, RutaCopiaNivell(CarpetaFuzz::carpeta(), c.NomNivell)));
    }
    // A whole record written back as it was read keeps what the program reads from it.
    const ConfigGrup c = ConfigGrup::decode(bytes.left(ConfigGrup::kLength));
    if (bytes.size() >= ConfigGrup::kLength)
        COMPROVA(ConfigGrup::decode(c.encode()) == c);
    return 0;
}
