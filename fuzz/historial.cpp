// A pupil's history file: the viewer's load and save, and the lines read back into series.

#include "fuzz/CarpetaFuzz.h"
#include "history/FitxerHistorial.h"
#include "history/LecturaHistorial.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    const QString text = FitxerHistorial::text(bytes);
    COMPROVA(!text.contains(u'\r'));
    // Saved and loaded again, a history keeps every character; only a last line gets its end.
    const QString desat = text.isEmpty() || text.endsWith(u'\n') ? text : text + u'\n';
    COMPROVA(FitxerHistorial::text(FitxerHistorial::bytes(text)) == desat);

    const QString& carpeta = CarpetaFuzz::carpeta();
    CarpetaFuzz::escriu("Inf/Hst/Anna.rtf", bytes);
    COMPROVA(FitxerHistorial::obre(carpeta, "Anna") == text);
    const QList<SerieHistorial> series = LecturaHistorial::text(text);
    COMPROVA(LecturaHistorial::fitxer(carpeta, "Anna") == series);
    qsizetype n = 0;
    for (QStringView l : QStringView(text).tokenize(u'\n'))
        if (const auto s = LecturaHistorial::linia(l.toString())) {
            COMPROVA(n < series.size() && series[n] == *s && s->data.isValid());
            ++n;
        }
    COMPROVA(n == series.size());

    COMPROVA(FitxerHistorial::desa(carpeta, "Anna", text));
    COMPROVA(CarpetaFuzz::llegeix(CarpetaFuzz::ruta("Inf/Hst/Anna.rtf")) ==
             FitxerHistorial::bytes(text));
    return 0;
}
