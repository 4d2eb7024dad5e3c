#include "numeration/LlenguaNombres.h"

namespace {

// Cardinal words, indexed by the digit.
constexpr ParaulesXifra kCentenes = {u"",     u"cent ", u"dos", u"tres", u"quatre",
                                     u"cinc", u"sis",   u"set", u"vuit", u"nou"};
constexpr ParaulesXifra kDesenes = {u"",          u"",         u"vint",    u"trenta",   u"quaranta",
                                    u"cinquanta", u"seixanta", u"setanta", u"vuitanta", u"noranta"};
constexpr ParaulesXifra kDeus = {u"",       u"onze",  u"dotze",  u"tretze", u"catorze",
                                 u"quinze", u"setze", u"disset", u"divuit", u"dinou"};
constexpr ParaulesXifra kUnitats = {u"",     u"un",  u"dos", u"tres", u"quatre",
                                    u"cinc", u"sis", u"set", u"vuit", u"nou"};

constexpr EscalesCardinal kEscales{
    {u" milions ", u" mil ", u" "}, {u" milió ", u" mil ", u" "}, u" mil ", false};

// Ordinal words, indexed by the digit.
constexpr ParaulesXifra kCentenesRodones = {u"milè", u"centè", u"dos", u"tres", u"quatre",
                                            u"cinc", u"sis",   u"set", u"vuit", u"nou"};
constexpr ParaulesXifra kPrefixCentenes = {u"",      u"",     u"dos-", u"tres-", u"quatre-",
                                           u"cinc-", u"sis-", u"set-", u"vuit-", u"nou-"};
constexpr ParaulesXifra kArrelDesenes = {u"",         u"",        u"vint",   u"trent",   u"quarant",
                                         u"cinquant", u"seixant", u"setant", u"vuitant", u"norant"};
constexpr ParaulesXifra kDesens = {u"desè",   u"onzè",  u"dotzè",   u"tretzè",  u"catorzè",
                                   u"quinzè", u"setzè", u"dissetè", u"divuitè", u"dinovè"};
constexpr ParaulesXifra kUnitatsDespres = {u"",       u"unè",  u"dosè", u"tresè", u"quatrè",
                                           u"cinquè", u"sisè", u"setè", u"vuitè", u"novè"};
constexpr ParaulesXifra kUnitatsSoles = {u"",       u"primer", u"segon", u"tercer", u"quart",
                                         u"cinquè", u"sisè",   u"setè",  u"vuitè",  u"novè"};

class Catala final : public LlenguaNombres {
public:
    Catala() : LlenguaNombres(u"zero", kEscales) {}

    void textGrup(QString& frase, int, GrupNombre g) const override {
        if (g.h >= 1) {
            frase += kCentenes[g.h];
            if (g.h >= 2)
                frase += u"-cents ";
        }
        if (g.t >= 1) {
            frase += kDesenes[g.t];
            if (g.t == 1 && g.u == 0)
                frase += u"deu ";
            if (g.t >= 2 && g.u >= 1)
                frase += u"-";
        }
        if (g.u >= 1) {
            if (g.t == 1) {
                frase += kDeus[g.u];
            } else {
                if (g.t == 2)
                    frase += u"i-";
                frase += kUnitats[g.u];
            }
        }
    }

    QString textOrdinal(int n, GrupNombre g) const override {
        auto [h, t, u] = g;

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
        return frase;
    }
};

} // namespace

const LlenguaNombres& nombresCatala() {
    static const Catala kCatala;
    return kCatala;
}
