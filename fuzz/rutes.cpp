// Names from files and from users turned into paths: a pupil, a level set, a picture, whatever
// their bytes, always name a file inside their own folder.

#include "core/Rutes.h"
#include "core/SafeName.h"
#include "core/TextUtil.h"
#include "core/Win1252.h"
#include "fuzz/CarpetaFuzz.h"
#include "records/ImatgeAlumne.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    const QString& c = CarpetaFuzz::carpeta();
    for (const QString& nom : {Win1252::decode(bytes), QString::fromUtf8(bytes)}) {
        const QString fitxer = SafeName::fileName(nom);
        COMPROVA(!SafeName::isValid(nom) || fitxer == TextUtil::trimSpaces(nom));
        COMPROVA(SafeName::isValid(fitxer) || fitxer == u"_");
        COMPROVA(CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Inf/Niv"), RutaNivell(c, nom)));
        COMPROVA(CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Inf/Niv"), RutaCopiaNivell(c, nom)));
        COMPROVA(CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Inf/Hst"), RutaHistorial(c, nom)));
        const QString imatge = ImatgeAlumne::ruta(c, nom);
        COMPROVA(imatge.isEmpty() || CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Imatges"), imatge));
        const QString desat = ImatgeAlumne::nomDesat("/tmp/" + QString(nom).replace(u'/', u'_'));
        COMPROVA(desat.size() <= ImatgeAlumne::kAmpleNom);
        COMPROVA(CarpetaFuzz::dinsDe(CarpetaFuzz::ruta("Imatges"), ImatgeAlumne::ruta(c, desat)));
    }
    return 0;
}
