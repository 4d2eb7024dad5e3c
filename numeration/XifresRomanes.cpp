#include "numeration/XifresRomanes.h"

#include "core/DigitGrouping.h"
#include "numeration/IntervalsNombres.h"

namespace {

constexpr QStringView kMilers[] = {u"", u"M", u"MM", u"MMM"};
constexpr QStringView kCentenes[] = {u"",  u"C",  u"CC",  u"CCC",  u"CD",
                                     u"D", u"DC", u"DCC", u"DCCC", u"CM"};
constexpr QStringView kDesenes[] = {u"",  u"X",  u"XX",  u"XXX",  u"XL",
                                    u"L", u"LX", u"LXX", u"LXXX", u"XC"};
constexpr QStringView kUnitats[] = {u"",  u"I",  u"II",  u"III",  u"IV",
                                    u"V", u"VI", u"VII", u"VIII", u"IX"};

} // namespace

namespace XifresRomanes {

QString numeral(qint64 n) {
    n = IntervalsNombres::limitaRoma(n);
    QString roma;
    roma.reserve(15);
    roma += kMilers[n / 1000];
    roma += kCentenes[n / 100 % 10];
    roma += kDesenes[n / 10 % 10];
    roma += kUnitats[n % 10];
    return roma;
}

QString textNombre(qint64 n, int separador) {
    return DigitGrouping::group(IntervalsNombres::limitaRoma(n), separador);
}

} // namespace XifresRomanes
