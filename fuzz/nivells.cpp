// A level-set file: its records read one by one and whole, what the board plays from it, and the
// level editor's grid of every activity; discarding the editor's changes puts the file back.

#include "core/Rutes.h"
#include "core/Sessio.h"
#include "fuzz/CarpetaFuzz.h"
#include "levels/FitxerNivells.h"
#include "levels/JocsNivells.h"

#include <algorithm>
#include <optional>

namespace {

bool dins(int valor, Rang r) {
    return valor >= r.minim && valor <= r.maxim;
}

// The limits the editor allows, as the board relies on them.
bool alsRangs(int a, const DadesNivell& d) {
    const RangsActivitat r = rangsDe(a);
    const bool relacio =
        r.relacio == RelacioParametres::PrimerNoPassaSegon   ? d.Parametre1 <= d.Parametre2
        : r.relacio == RelacioParametres::SegonNoPassaPrimer ? d.Parametre2 <= d.Parametre1
                                                             : true;
    return dins(d.Temps, kRangTemps) && dins(d.Fer, kRangFer) && dins(d.Errors, kRangErrors) &&
           dins(d.Parametre1, r.parametre1) && dins(d.Parametre2, r.parametre2) && relacio;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    const QString& carpeta = CarpetaFuzz::carpeta();
    const QString ruta = RutaNivell(carpeta, "Joc");
    CarpetaFuzz::escriu("Inf/Niv/Joc.niv", bytes);

    // Record k as the file's layout gives it: a record cut short by the end reads as zeros.
    const auto esperat = [&](int k) {
        const bool hiEs =
            k >= 1 && k <= kRegistresJoc && qsizetype(k) * DadesNivell::kLength <= bytes.size();
        return hiEs ? std::optional(DadesNivell::decode(
                          bytes.mid(qsizetype(k - 1) * DadesNivell::kLength, DadesNivell::kLength)))
                    : std::nullopt;
    };
    for (int k = 0; k <= kRegistresJoc + 1; ++k) {
        COMPROVA(FitxerNivells::llegeixSencer(ruta, k) == esperat(k));
        COMPROVA(FitxerNivells::llegeix(ruta, k) == esperat(k).value_or(DadesNivell{}));
    }
    // The board plays the nearest level there is, held to the editor's limits.
    for (const int a : {0, 1, 9, 10})
        for (const int n : {0, 1, 10, 11}) {
            const int ac = std::clamp(a, 1, kActivitats);
            const DadesNivell d = FitxerNivells::LlegeixNivell(carpeta, "Joc", a, n);
            const int k = IndexNivell(ac, std::clamp(n, 1, kNivellsPerActivitat));
            COMPROVA(d == ajustaAlsRangs(ac, esperat(k).value_or(DadesNivell{})));
            COMPROVA(alsRangs(ac, d) && ajustaAlsRangs(ac, d) == d);
        }

    Sessio sessio;
    sessio.carpeta = carpeta;
    sessio.grup.NomNivell = "Joc";
    sessio.general.Separador = uint8_t(size / kActivitats % 4);
    JocsNivells jocs(
        sessio, [](const QString&) { return false; }, [](const QString&) {}, {});
    jocs.Obre();
    COMPROVA(jocs.JocObert() == "Joc");
    // One activity's grid per input keeps the runs fast; the sizes of the inputs vary it.
    const int a = 1 + int(size % kActivitats);
    COMPROVA(jocs.CanviaActivitat(a));
    const QList<FilaGraella> graella = jocs.CarregaActivitat();
    for (int n = 1; n <= graella.size(); ++n) {
        // The grid shows what the board plays, and reads back as the same numbers.
        const DadesNivell d = esperat(IndexNivell(a, n)).value_or(DadesNivell{});
        const DadesNivell llegit = jocs.llegeixFila(a, graella[n - 1]);
        COMPROVA(llegit == ajustaAlsRangs(a, d) && alsRangs(a, llegit));
    }
    jocs.marcaModificat();
    COMPROVA(jocs.ArxivarConfig());
    COMPROVA(CarpetaFuzz::llegeix(ruta) == bytes);
    return 0;
}
