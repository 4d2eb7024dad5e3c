#include "history/LiniaHistorial.h"

#include "core/IdsText.h"
#include "core/StringTable.h"
#include "core/Win1252.h"

#include <QStringList>

namespace {

// Right-aligned in `amplada` characters; a longer text is kept whole rather than cut.
QString alineat(const QString& text, int amplada) {
    return text.rightJustified(amplada, u' ', false);
}

QString total(int valor) {
    return u'(' + QString::number(valor) + u')';
}

} // namespace

QByteArray LiniaHistorial::bytes() const {
    const QStringList peces = {
        data.toString(u"dd-MM-yy"),
        TextIdioma(IdText::activitat(activitat), idioma),
        resultat,
        alineat(nivell, 2),
        alineat(QString::number(fets), 3),
        total(fer),
        alineat(QString::number(errorsFets), 3),
        total(errors),
        alineat(QString::number(segonsUsats), 3),
        total(temps),
    };
    return Win1252::encode(peces.join(u'\t')) + "\r\n";
}

int LiniaHistorial::valorComptador(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ')
        ++i;
    const bool negatiu = i < text.size() && text.at(i) == u'-';
    if (negatiu)
        ++i;
    qint64 v = 0;
    for (; i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9' && v < 1'000'000'000; ++i)
        v = v * 10 + (text.at(i).unicode() - u'0');
    return int(negatiu ? -v : v);
}
