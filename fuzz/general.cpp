// General.cfg: the record decoded, and the start-up read of a folder whose file holds the bytes.

#include "core/ConfigGeneral.h"
#include "core/DigitGrouping.h"
#include "core/Sessio.h"
#include "fuzz/CarpetaFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    const ConfigGeneral c = ConfigGeneral::decode(bytes);
    COMPROVA(ConfigGeneral::decode(c.encode()) == c);
    c.clauText();

    CarpetaFuzz::escriu("Inf/General.cfg", bytes);
    bool preparada = false;
    Sessio s;
    s.carpeta = CarpetaFuzz::carpeta();
    s.general = LlegirConfigGeneral(s.carpeta, &preparada);
    COMPROVA(preparada);
    COMPROVA(s.general.GrupActual >= 1 && s.general.GrupActual <= 16);
    COMPROVA(s.general.Clau.size() == 8);
    // What the program shows first from the stored language and separator.
    COMPROVA(!s.nomGrup(s.general.GrupActual).isEmpty());
    COMPROVA(!s.text(IdText::kSi).isEmpty());
    DigitGrouping::FormataNombre(-1234567, s.general.Separador);
    return 0;
}
