#include "numeration/NombresBasc.h"

#include "core/DigitGrouping.h"
#include "core/TextUtil.h"
#include "numeration/CardinalGroups.h"
#include "numeration/NumberRanges.h"
#include "numeration/UpperCase.h"

namespace {

constexpr QStringView kPrefixCentenes[] = {u"",     u"",    u"berr",  u"hirur",  u"laur",
                                           u"bost", u"sei", u"zazpi", u"zortzi", u"bederatzi"};
// The twenty-based tens: an odd ten is the even ten below it joined to ten ("hamar") or, when
// units follow, to one of the teen words of kUnitatsSenar.
constexpr QStringView kDesenesSoles[] = {u"",           u"hamar ",
                                         u"hogei ",     u"hogeita hamar ",
                                         u"berrogei ",  u"berrogeita hamar ",
                                         u"hirurogei ", u"hirurogeita hamar ",
                                         u"laurogei ",  u"laurogeita hamar "};
constexpr QStringView kDesenesAmbUnitats[] = {u"",
                                              u"",
                                              u"hogeita ",
                                              u"hogeita ",
                                              u"berrogeita ",
                                              u"berrogeita ",
                                              u"hirurogeita ",
                                              u"hirurogeita ",
                                              u"laurogeita ",
                                              u"laurogeita "};
constexpr QStringView kUnitatsParell[] = {u"",     u"bat", u"bi",    u"hiru",   u"lau",
                                          u"bost", u"sei", u"zazpi", u"zortzi", u"bederatzi"};
constexpr QStringView kUnitatsSenar[] = {u"",           u"hamaika",  u"hamabi",  u"hamahiru",
                                         u"hamalau",    u"hamabost", u"hamasei", u"hamazazpi",
                                         u"hemezortzi", u"hemeretzi"};
constexpr QStringView kUnitatsOrdinal[] = {u"",     u"lehengo", u"bi",    u"hiru",   u"lau",
                                           u"bost", u"sei",     u"zazpi", u"zortzi", u"bederatzi"};

const CardinalScales kEscales{
    {u" milioi ", u" mila ", u" "}, {u" milioi bat ", u" mil ", u" "}, u" mila ", true};

// Hundreds and tens, shared by the cardinal and the ordinal.
void centenesIDesenes(QString& text, int h, int t, int u) {
    if (h >= 1) {
        text += kPrefixCentenes[h];
        text += u"ehun ";
        // "eta" links tens or units to a hundred only; without a hundred, 1 is plain BAT.
        if (t + u > 0)
            text += u"eta ";
    }
    if (t >= 1)
        text += u == 0 ? kDesenesSoles[t] : kDesenesAmbUnitats[t];
}

void textGrup(QString& text, int, GrupNombre g) {
    centenesIDesenes(text, g.h, g.t, g.u);
    if (g.u >= 1)
        text += g.t % 2 == 1 ? kUnitatsSenar[g.u] : kUnitatsParell[g.u];
}

} // namespace

namespace NombresBasc {

NumberPhrase cardinal(qint64 n, int separador) {
    n = NumberRanges::clampCardinal(n);
    QString frase = n == 0 ? QStringLiteral("zero") : CardinalGroups::join(n, kEscales, textGrup);
    return {UpperCase::of(std::move(frase)), DigitGrouping::group(n, separador)};
}

NumberPhrase ordinal(qint64 n) {
    n = NumberRanges::clampOrdinal(n);
    if (n == 1000)
        return {UpperCase::of(QStringLiteral("milagarren")), QString::number(n)};

    const int h = int(n / 100 % 10);
    const int t = int(n / 10 % 10);
    const int u = int(n % 10);
    QString frase;
    centenesIDesenes(frase, h, t, u);
    if (u >= 1)
        frase += t % 2 == 1 ? kUnitatsSenar[u] : kUnitatsOrdinal[u];
    if (!frase.endsWith(u"lehengo")) {
        frase = TextUtil::trimSpaces(frase);
        frase += u"garren";
    }
    return {UpperCase::of(std::move(frase)), QString::number(n)};
}

} // namespace NombresBasc
