#include "numeration/ActivitatCardinals.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/IdsText.h"
#include "core/StringTable.h"
#include "numeration/IntervalsNombres.h"
#include "numeration/NomsNombres.h"

#include <algorithm>

namespace {

constexpr qint64 kAmbSeparador = 1000;

} // namespace

ActivitatCardinals::ActivitatCardinals(TipusActivitat tipus, ContextActivitat& ctx, QObject* parent)
    : ActivitatLinia(ctx, parent), tipus_(tipus) {}

int ActivitatCardinals::separador() const {
    // A damaged General.cfg can hold any byte; the grouping then uses nothing, like Cap, and the
    // keys must agree with it.
    const int s = ctx_.separador();
    return s == 0 || s == 1 ? s : 2;
}

void ActivitatCardinals::preparar() {
    genera();
    // The keyboard is chosen once for the series, from the level's largest number.
    const bool ambSeparador = esOrdinal() || separador() != 2;
    teclat_ = ambSeparador && interval().second >= kAmbSeparador ? 1 : 0;
    emit canviat();
}

void ActivitatCardinals::novaOperacio() {
    // The line is emptied even when the language has no words and the question stays.
    nouExercici(pregunta(), solucio());
    genera();
    emit canviat();
}

void ActivitatCardinals::genera() {
    if (esOrdinal())
        Ordinal();
    else
        Cardinal();
}

std::pair<qint64, qint64> ActivitatCardinals::interval() const {
    // Held to the editor's range, and the largest never below the smallest, so the draw never
    // overflows and never leaves the numbers the words can name.
    const qint64 minim =
        esOrdinal() ? IntervalsNombres::kOrdinalMinim : IntervalsNombres::kCardinalMinim;
    const qint64 maxim =
        esOrdinal() ? IntervalsNombres::kOrdinalMaxim : IntervalsNombres::kCardinalMaxim;
    const qint64 inferior = std::clamp<qint64>(ctx_.parametre1(), minim, maxim);
    return {inferior, std::clamp<qint64>(ctx_.parametre2(), inferior, maxim)};
}

qint64 ActivitatCardinals::sorteja() {
    const auto [inferior, superior] = interval();
    return ctx_.atzar().entre(int(inferior), int(superior));
}

void ActivitatCardinals::Cardinal() {
    if (!NomsNombres::teParaules(ctx_.idioma()))
        return;
    nombre_ = sorteja();
    if (const auto f = NomsNombres::fraseCardinal(ctx_.idioma(), nombre_, separador()))
        nouExercici(f->frase, f->solucio);
}

void ActivitatCardinals::Ordinal() {
    if (!NomsNombres::teParaules(ctx_.idioma()))
        return;
    nombre_ = sorteja();
    if (const auto f = NomsNombres::fraseOrdinal(ctx_.idioma(), nombre_))
        nouExercici(f->frase, f->solucio);
}

bool ActivitatCardinals::accepta(QChar c) const {
    if (c >= u'0' && c <= u'9')
        return true;
    if (esOrdinal())
        return false;
    switch (separador()) {
    case 0:
        return c == u'.';
    case 1:
        return c == u' ';
    default:
        return false;
    }
}

QString ActivitatCardinals::teclaExtra() const {
    // With the blank separator the extra key reads "Espai" and types a blank.
    const bool blanc = !esOrdinal() && separador() == 1;
    return blanc ? TextIdioma(IdText::kEspai, ctx_.idioma()) : QStringLiteral(".");
}
