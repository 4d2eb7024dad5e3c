#include "numeration/LlenguaNombres.h"

#include "core/TextUtil.h"

namespace {

constexpr ParaulesXifra kPrefixCentenes = {u"",     u"",    u"berr",  u"hirur",  u"laur",
                                           u"bost", u"sei", u"zazpi", u"zortzi", u"bederatzi"};
// The twenty-based tens: an odd ten is the even ten below it joined to ten ("hamar") or, when
// units follow, to one of the teen words of kUnitatsSenar.
constexpr ParaulesXifra kDesenesSoles = {u"",           u"hamar ",
                                         u"hogei ",     u"hogeita hamar ",
                                         u"berrogei ",  u"berrogeita hamar ",
                                         u"hirurogei ", u"hirurogeita hamar ",
                                         u"laurogei ",  u"laurogeita hamar "};
constexpr ParaulesXifra kDesenesAmbUnitats = {u"",
                                              u"",
                                              u"hogeita ",
                                              u"hogeita ",
                                              u"berrogeita ",
                                              u"berrogeita ",
                                              u"hirurogeita ",
                                              u"hirurogeita ",
                                              u"laurogeita ",
                                              u"laurogeita "};
constexpr ParaulesXifra kUnitatsParell = {u"",     u"bat", u"bi",    u"hiru",   u"lau",
                                          u"bost", u"sei", u"zazpi", u"zortzi", u"bederatzi"};
constexpr ParaulesXifra kUnitatsSenar = {u"",           u"hamaika",  u"hamabi",  u"hamahiru",
                                         u"hamalau",    u"hamabost", u"hamasei", u"hamazazpi",
                                         u"hemezortzi", u"hemeretzi"};
constexpr ParaulesXifra kUnitatsOrdinal = {u"",     u"lehengo", u"bi",    u"hiru",   u"lau",
                                           u"bost", u"sei",     u"zazpi", u"zortzi", u"bederatzi"};

constexpr EscalesCardinal kEscales{
    {u" milioi ", u" mila ", u" "}, {u" milioi bat ", u" mil ", u" "}, u" mila ", true};

// Hundreds and tens, shared by the cardinal and the ordinal.
void centenesIDesenes(QString& frase, int h, int t, int u) {
    if (h >= 1) {
        frase += kPrefixCentenes[h];
        frase += u"ehun ";
        // "eta" links tens or units to a hundred only; without a hundred, 1 is plain BAT.
        if (t + u > 0)
            frase += u"eta ";
    }
    if (t >= 1)
        frase += u == 0 ? kDesenesSoles[t] : kDesenesAmbUnitats[t];
}

class Basc final : public LlenguaNombres {
public:
    Basc() : LlenguaNombres(u"zero", kEscales) {}

    void textGrup(QString& frase, int, GrupNombre g) const override {
        centenesIDesenes(frase, g.h, g.t, g.u);
        if (g.u >= 1)
            frase += g.t % 2 == 1 ? kUnitatsSenar[g.u] : kUnitatsParell[g.u];
    }

    QString textOrdinal(int n, GrupNombre g) const override {
        if (n == 1000)
            return QStringLiteral("milagarren");
        const auto [h, t, u] = g;
        QString frase;
        centenesIDesenes(frase, h, t, u);
        if (u >= 1)
            frase += t % 2 == 1 ? kUnitatsSenar[u] : kUnitatsOrdinal[u];
        if (!frase.endsWith(u"lehengo")) {
            frase = TextUtil::trimSpaces(frase);
            frase += u"garren";
        }
        return frase;
    }
};

} // namespace

const LlenguaNombres& nombresBasc() {
    static const Basc kBasc;
    return kBasc;
}
