#include "numeration/NumberNames.h"

#include "numeration/NombresBasc.h"
#include "numeration/NombresCastella.h"
#include "numeration/NombresCatala.h"
#include "numeration/NombresGalec.h"

namespace NumberNames {

bool hasWords(int idioma) {
    return idioma >= 0 && idioma <= 3;
}

std::optional<NumberPhrase> cardinal(int idioma, qint64 n, int separador) {
    switch (idioma) {
    case 0:
        return NombresCatala::cardinal(n, separador);
    case 1:
        return NombresCastella::cardinal(n, separador);
    case 2:
        return NombresGalec::cardinal(n, separador);
    case 3:
        return NombresBasc::cardinal(n, separador);
    default:
        return std::nullopt;
    }
}

std::optional<NumberPhrase> ordinal(int idioma, qint64 n) {
    switch (idioma) {
    case 0:
        return NombresCatala::ordinal(n);
    case 1:
        return NombresCastella::ordinal(n);
    case 2:
        return NombresGalec::ordinal(n);
    case 3:
        return NombresBasc::ordinal(n);
    default:
        return std::nullopt;
    }
}

} // namespace NumberNames
