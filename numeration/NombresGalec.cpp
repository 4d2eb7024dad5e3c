#include "numeration/NombresGalec.h"

#include "core/DigitGrouping.h"
#include "numeration/CardinalGroups.h"
#include "numeration/GrupIberic.h"
#include "numeration/NumberRanges.h"
#include "numeration/OrdinalIberic.h"
#include "numeration/UpperCase.h"

namespace {

constexpr QStringView kCentenes[] = {u"",     u"cen ",  u"dousc", u"tresc", u"catroc",
                                     u"quiñ", u"seisc", u"setec", u"oitoc", u"novec"};
constexpr QStringView kDesenes[] = {u"",          u"",        u"",        u"trinta",  u"corenta",
                                    u"cincuenta", u"sesenta", u"setenta", u"oitenta", u"noventa"};
constexpr QStringView kDeus[] = {u"",       u"once",     u"doce",     u"trece",    u"catorce",
                                 u"quince", u"dezaseis", u"dezasete", u"dezaoito", u"dezanove"};
constexpr QStringView kUnitatsVinte[] = {u"",      u"ún",   u"dous", u"trés", u"catro",
                                         u"cinco", u"seis", u"sete", u"oito", u"nove"};
constexpr QStringView kUnitats[] = {u"",      u"un",   u"dous", u"tres", u"catro",
                                    u"cinco", u"seis", u"sete", u"oito", u"nove"};

const CardinalScales kEscales{
    {u" millóns ", u" mil ", u" "}, {u" millón ", u" mil ", u" "}, u" mil ", false};

constexpr QStringView kOrdCentenes[] = {u"",     u"c",    u"duoc",   u"tric",  u"cuadric",
                                        u"quix", u"sexc", u"septix", u"octix", u"nonix"};
constexpr QStringView kOrdDesenes[] = {u"",        u"",     u"vi",     u"tri",  u"cuadra",
                                       u"quincua", u"sesa", u"septua", u"octo", u"nona"};
constexpr QStringView kOrdUnitats[] = {u"",       u"primeiro", u"segundo", u"terceiro", u"cuarto",
                                       u"quinto", u"sexto",    u"sétimo",  u"oitavo",   u"noveno"};
constexpr QStringView kDecims[] = {u"décimo", u"undécimo", u"duodécimo"};

const GrupIberic::Paraules kParaules{kCentenes, kDesenes,  kDeus,     kUnitatsVinte,
                                     kUnitats,  u"cento ", u"entos ", u"dez ",
                                     u"vinte ", u"vinte",  u" e "};

const OrdinalIberic::Paraules kOrdinals{kOrdCentenes, kOrdDesenes, kOrdUnitats, kDecims,
                                        u"xésimo ",   u"décimo ",  u"décimo "};

void textGrup(QString& text, int i, GrupNombre g) {
    GrupIberic::text(text, i, g, kParaules);
}

} // namespace

namespace NombresGalec {

NumberPhrase cardinal(qint64 n, int separador) {
    n = NumberRanges::clampCardinal(n);
    QString frase = n == 0 ? QStringLiteral("cero") : CardinalGroups::join(n, kEscales, textGrup);
    return {UpperCase::of(std::move(frase)), DigitGrouping::group(n, separador)};
}

NumberPhrase ordinal(qint64 n) {
    n = NumberRanges::clampOrdinal(n);
    return {UpperCase::of(OrdinalIberic::text(int(n), kOrdinals)), QString::number(n)};
}

} // namespace NombresGalec
