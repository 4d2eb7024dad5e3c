#include "numeration/NombresCatala.h"

#include "core/DigitGrouping.h"
#include "numeration/CardinalGroups.h"
#include "numeration/NumberRanges.h"
#include "numeration/UpperCase.h"

namespace {

// Cardinal words, indexed by the digit.
constexpr QStringView kCentenes[] = {u"",     u"cent ", u"dos", u"tres", u"quatre",
                                     u"cinc", u"sis",   u"set", u"vuit", u"nou"};
constexpr QStringView kDesenes[] = {u"",          u"",         u"vint",    u"trenta",   u"quaranta",
                                    u"cinquanta", u"seixanta", u"setanta", u"vuitanta", u"noranta"};
constexpr QStringView kDeus[] = {u"",       u"onze",  u"dotze",  u"tretze", u"catorze",
                                 u"quinze", u"setze", u"disset", u"divuit", u"dinou"};
constexpr QStringView kUnitats[] = {u"",     u"un",  u"dos", u"tres", u"quatre",
                                    u"cinc", u"sis", u"set", u"vuit", u"nou"};

const CardinalScales kEscales{
    {u" milions ", u" mil ", u" "}, {u" milió ", u" mil ", u" "}, u" mil ", false};

// Ordinal words, indexed by the digit.
constexpr QStringView kCentenesRodones[] = {u"milè", u"centè", u"dos", u"tres", u"quatre",
                                            u"cinc", u"sis",   u"set", u"vuit", u"nou"};
constexpr QStringView kPrefixCentenes[] = {u"",      u"",     u"dos-", u"tres-", u"quatre-",
                                           u"cinc-", u"sis-", u"set-", u"vuit-", u"nou-"};
constexpr QStringView kArrelDesenes[] = {u"",         u"",        u"vint",   u"trent",   u"quarant",
                                         u"cinquant", u"seixant", u"setant", u"vuitant", u"norant"};
constexpr QStringView kDesens[] = {u"desè",   u"onzè",  u"dotzè",   u"tretzè",  u"catorzè",
                                   u"quinzè", u"setzè", u"dissetè", u"divuitè", u"dinovè"};
constexpr QStringView kUnitatsDespres[] = {u"",       u"unè",  u"dosè", u"tresè", u"quatrè",
                                           u"cinquè", u"sisè", u"setè", u"vuitè", u"novè"};
constexpr QStringView kUnitatsSoles[] = {u"",       u"primer", u"segon", u"tercer", u"quart",
                                         u"cinquè", u"sisè",   u"setè",  u"vuitè",  u"novè"};

void textGrup(QString& text, int, GrupNombre g) {
    if (g.h >= 1) {
        text += kCentenes[g.h];
        if (g.h >= 2)
            text += u"-cents ";
    }
    if (g.t >= 1) {
        text += kDesenes[g.t];
        if (g.t == 1 && g.u == 0)
            text += u"deu ";
        if (g.t >= 2 && g.u >= 1)
            text += u"-";
    }
    if (g.u >= 1) {
        if (g.t == 1) {
            text += kDeus[g.u];
        } else {
            if (g.t == 2)
                text += u"i-";
            text += kUnitats[g.u];
        }
    }
}

} // namespace

namespace NombresCatala {

NumberPhrase cardinal(qint64 n, int separador) {
    n = NumberRanges::clampCardinal(n);
    QString frase = n == 0 ? QStringLiteral("zero") : CardinalGroups::join(n, kEscales, textGrup);
    return {UpperCase::of(std::move(frase)), DigitGrouping::group(n, separador)};
}

NumberPhrase ordinal(qint64 n) {
    n = NumberRanges::clampOrdinal(n);
    const int h = int(n / 100 % 10);
    const int t = int(n / 10 % 10);
    int u = int(n % 10);

    QString frase;
    if (n % 100 == 0) {
        frase = kCentenesRodones[h].toString();
        if (h >= 2)
            frase += u"-centè";
    } else if (h >= 1) {
        frase = kPrefixCentenes[h].toString();
        frase += u"cent";
        frase += h == 1 ? QStringView(u"-") : QStringView(u"s ");
    }
    // The tens step adds its ending only when there are tens: read for a whole hundred, the
    // "è " would turn 100 into "centèè" where the pupil must read CENTÈ.
    if (t >= 1) {
        frase += kArrelDesenes[t];
        if (t == 1) {
            frase += kDesens[u];
            u = 0;
        } else if (u == 0) {
            frase += u"è ";
        } else if (t >= 3) {
            frase += u"a-";
        }
    }
    if (u >= 1) {
        if (t == 2)
            frase += u"-i-";
        frase += t >= 2 ? kUnitatsDespres[u] : kUnitatsSoles[u];
    }
    return {UpperCase::of(std::move(frase)), QString::number(n)};
}

} // namespace NombresCatala
