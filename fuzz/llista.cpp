// Spreadsheet and text files read in: the CSV reader and the class-list import over a group.

#include "core/Csv.h"
#include "core/LlistaAlumnes.h"
#include "core/SafeName.h"
#include "fuzz/CarpetaFuzz.h"
#include "records/ImportaLlista.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = CarpetaFuzz::bytes(data, size);
    const QString text = Csv::decode(bytes);
    const QList<QStringList> files = Csv::parse(text, Csv::guessSeparator(text));
    // What the program writes, it reads back as the same table.
    COMPROVA(Csv::parse(Csv::decode(Csv::write(files))) == files);

    Registre r;
    r.Numero = 7;
    r.Nom = "Anna";
    const QList<FilaAlumne> llista{LlistaAlumnes::fila(r, 2)};
    for (const bool csv : {false, true}) {
        const ImportaLlista::Pla pla = ImportaLlista::planifica(bytes, llista, csv);
        COMPROVA(llista.size() + pla.nous.size() <= LlistaAlumnes::kMaxAlumnes);
        QSet<int> numeros{r.Numero}, posicions{2};
        for (const FilaAlumne& f : pla.nous) {
            const Registre nou = LlistaAlumnes::registre(f);
            COMPROVA(SafeName::isValid(nou.Nom));
            COMPROVA(!numeros.contains(nou.Numero) && nou.Numero != 0);
            COMPROVA(!posicions.contains(LlistaAlumnes::posicio(f)));
            numeros << nou.Numero;
            posicions << LlistaAlumnes::posicio(f);
        }
    }
    return 0;
}
