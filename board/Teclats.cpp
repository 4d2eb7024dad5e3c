#include "board/Teclats.h"

#include "core/IdsText.h"
#include "core/StringTable.h"
#include "core/TipusActivitat.h"

namespace {

// Captions of keys 0..28 as the board is built; key 20 is re-captioned at opening.
constexpr char16_t kCaptions[Teclats::kTecles] = {
    u'0', u'1',  u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', // Teclat(0)
    u'9', u'1',  u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'0', // Teclat(1)
    u'.', u'\0',                                                 // extra key, no key 21
    u'I', u'V',  u'X', u'L', u'C', u'D', u'M',                   // Teclat(2)
};

} // namespace

Teclats::Teclats(int activitat, int separador, bool ambResta, int idioma) {
    const TipusActivitat tipus = tipusActivitat(activitat);
    // With a blank separator the extra key types the blank. Cardinals show it as "Espai"; the
    // Roman-numeral activity types the blank with the same key, so it reads "Espai" there too
    // instead of a "." that would type something else.
    if (tipus == TipusActivitat::Multiplicar) {
        extra_ = QStringLiteral("+");
    } else if (tipus == TipusActivitat::Dividir && ambResta) {
        extra_ = QStringLiteral("-");
    } else if ((tipus == TipusActivitat::Cardinals || tipus == TipusActivitat::Romans) &&
               separador == 1) {
        extra_ = TextIdioma(IdText::kEspai, idioma);
        espai_ = true;
    } else {
        extra_ = QStringLiteral(".");
    }
}

int Teclats::panell(int index) {
    if (index >= 0 && index <= 9)
        return 0;
    if (index >= 10 && index <= kTeclaExtra)
        return 1;
    if (index >= 22 && index < kTecles)
        return 2;
    return -1;
}

QString Teclats::rotul(int index) const {
    if (panell(index) < 0)
        return {};
    if (index == kTeclaExtra)
        return extra_;
    return QString(QChar(kCaptions[index]));
}

bool Teclats::lletraPetita(int index) const {
    return index == kTeclaExtra && espai_;
}

QChar Teclats::caracter(int index) const {
    if (panell(index) < 0)
        return {};
    if (index == kTeclaExtra)
        return espai_ ? QChar(u' ') : extra_.at(0);
    return QChar(kCaptions[index]);
}
