#include "numeration/ActivitatCardinals.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/StringTable.h"
#include "numeration/IntervalsNombres.h"
#include "numeration/NomsNombres.h"

#include <algorithm>

namespace {

constexpr int kIdEspai = 202;
constexpr qint64 kAmbSeparador = 1000;

} // namespace

ActivitatCardinals::ActivitatCardinals(Tipus tipus, ContextActivitat& ctx, QObject* parent)
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
    const bool ambSeparador = tipus_ == Ordinals || separador() != 2;
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
    if (tipus_ == Cardinals)
        Cardinal();
    else
        Ordinal();
}

std::pair<qint64, qint64> ActivitatCardinals::interval() const {
    // Held to the editor's range, and the largest never below the smallest, so the draw never
    // overflows and never leaves the numbers the words can name.
    const qint64 minim =
        tipus_ == Cardinals ? IntervalsNombres::kCardinalMinim : IntervalsNombres::kOrdinalMinim;
    const qint64 maxim =
        tipus_ == Cardinals ? IntervalsNombres::kCardinalMaxim : IntervalsNombres::kOrdinalMaxim;
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
    if (const auto frase = NomsNombres::cardinal(ctx_.idioma(), nombre_, separador())) {
        nouExercici(frase->frase, frase->solucio);
    }
}

void ActivitatCardinals::Ordinal() {
    if (!NomsNombres::teParaules(ctx_.idioma()))
        return;
    nombre_ = sorteja();
    if (const auto frase = NomsNombres::ordinal(ctx_.idioma(), nombre_)) {
        nouExercici(frase->frase, frase->solucio);
    }
}

bool ActivitatCardinals::accepta(QChar c) const {
    if (c >= u'0' && c <= u'9')
        return true;
    if (tipus_ == Ordinals)
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

bool ActivitatCardinals::teclaExtraBlanc() const {
    return tipus_ == Cardinals && separador() == 1;
}

QString ActivitatCardinals::teclaExtra() const {
    return teclaExtraBlanc() ? TextIdioma(kIdEspai, ctx_.idioma()) : QStringLiteral(".");
}
