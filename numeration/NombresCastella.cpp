#include "numeration/NombresCastella.h"

#include "core/DigitGrouping.h"
#include "numeration/CardinalGroups.h"
#include "numeration/GrupIberic.h"
#include "numeration/NumberRanges.h"
#include "numeration/OrdinalIberic.h"
#include "numeration/UpperCase.h"

namespace {

constexpr QStringView kCentenes[] = {u"",     u"cien ", u"dosc",  u"tresc", u"cuatroc",
                                     u"quin", u"seisc", u"setec", u"ochoc", u"novec"};
constexpr QStringView kDesenes[] = {u"",          u"",        u"",        u"treinta", u"cuarenta",
                                    u"cincuenta", u"sesenta", u"setenta", u"ochenta", u"noventa"};
constexpr QStringView kDeus[] = {u"",          u"once",      u"doce",      u"trece",
                                 u"catorce",   u"quince",    u"dieciséis", u"diecisiete",
                                 u"dieciocho", u"diecinueve"};
constexpr QStringView kUnitatsVinti[] = {u"",      u"uno",  u"dós",   u"trés", u"cuatro",
                                         u"cinco", u"séis", u"siete", u"ocho", u"nueve"};
constexpr QStringView kUnitats[] = {u"",      u"uno",  u"dos",   u"tres", u"cuatro",
                                    u"cinco", u"seis", u"siete", u"ocho", u"nueve"};

const CardinalScales kEscales{
    {u" millones ", u" mil ", u" "}, {u" millón ", u" mil ", u" "}, u" mil ", false};

constexpr QStringView kOrdCentenes[] = {u"",         u"c",    u"duoc",    u"tric",   u"cuadric",
                                        u"quincuac", u"sexc", u"septing", u"octing", u"noning"};
constexpr QStringView kOrdDesenes[] = {u"",        u"",     u"vi",     u"tri",  u"quadra",
                                       u"quincua", u"sexa", u"septua", u"octo", u"nona"};
constexpr QStringView kOrdUnitats[] = {u"",       u"primero", u"segundo", u"tercero", u"cuarto",
                                       u"quinto", u"sexto",   u"séptimo", u"octavo",  u"noveno"};
constexpr QStringView kDecims[] = {u"décimo", u"undécimo", u"duodécimo"};

const GrupIberic::Paraules kParaules{kCentenes,  kDesenes,   kDeus,      kUnitatsVinti,
                                     kUnitats,   u"ciento ", u"ientos ", u"diez ",
                                     u"veinte ", u"veinti",  u" y "};

const OrdinalIberic::Paraules kOrdinals{kOrdCentenes, kOrdDesenes, kOrdUnitats, kDecims,
                                        u"gésimo ",   u"decimo",   u"decim"};

void textGrup(QString& text, int i, GrupNombre g) {
    GrupIberic::text(text, i, g, kParaules);
}

} // namespace

namespace NombresCastella {

NumberPhrase cardinal(qint64 n, int separador) {
    n = NumberRanges::clampCardinal(n);
    QString frase = n == 0 ? QStringLiteral("cero") : CardinalGroups::join(n, kEscales, textGrup);
    return {UpperCase::of(std::move(frase)), DigitGrouping::group(n, separador)};
}

NumberPhrase ordinal(qint64 n) {
    n = NumberRanges::clampOrdinal(n);
    return {UpperCase::of(OrdinalIberic::text(int(n), kOrdinals)), QString::number(n)};
}

} // namespace NombresCastella
