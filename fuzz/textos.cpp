// The string table looked up with what stored bytes hold: a General.cfg language (int16), a
// group number, any id.

#include "core/Bytes.h"
#include "core/IdsText.h"
#include "core/Rutes.h"
#include "core/StringTable.h"
#include "fuzz/CarpetaFuzz.h"

#include <QList>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    const int idioma = Bytes::i16(bytes, 0);
    const int grup = Bytes::i16(bytes, 2);
    CodiIdioma(idioma);
    TextIdioma(IdText::grup(grup), idioma);
    COMPROVA(CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Inf/Dat"),
                                 RutaRegistres(CarpetaFuzz::carpeta(), grup, idioma)));
    static const QList<int> ids = StringTable::ids();
    for (qsizetype i = 4; i + 4 <= bytes.size(); i += 4) {
        const int id = Bytes::i32(bytes, int(i));
        const QString text = TextIdioma(id, idioma);
        // Every id Catalan holds has a text in every language, through the fallback.
        COMPROVA(text.isEmpty() != std::binary_search(ids.begin(), ids.end(), id));
        COMPROVA(!StringTable::has(id, idioma) || !text.isEmpty());
    }
    return 0;
}
