#include "numeration/ActivitatRomans.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/DigitGrouping.h"
#include "core/IdsText.h"
#include "core/StringTable.h"
#include "numeration/IntervalsNombres.h"
#include "numeration/XifresRomanes.h"

#include <algorithm>

namespace {

constexpr qint64 kAmbSeparador = 1000;
constexpr int kTeclatRoma = 2;
constexpr QStringView kLletres = u"IVXLCDM";

} // namespace

ActivitatRomans::ActivitatRomans(ContextActivitat& ctx, QObject* parent)
    : ActivitatLinia(ctx, parent) {}

void ActivitatRomans::preparar() {
    NombreRoma();
    emit canviat();
}

void ActivitatRomans::novaOperacio() {
    NombreRoma();
    emit canviat();
}

void ActivitatRomans::NombreRoma() {
    // Outside 1..3999 there is no numeral to ask for (0 has none, 4000 would need a fourth M),
    // so the range is held there and the largest never below the smallest.
    const qint64 inferior = IntervalsNombres::limitaRoma(ctx_.parametre1());
    const qint64 superior =
        std::clamp<qint64>(ctx_.parametre2(), inferior, IntervalsNombres::kRomaMaxim);
    Atzar& atzar = ctx_.atzar();
    nombre_ = atzar.entre(int(inferior), int(superior));
    const QString roma = XifresRomanes::numeral(nombre_);
    const QString text = XifresRomanes::textNombre(nombre_, ctx_.separador());

    romaDemanat_ = atzar.entre(1, 2) == 2;
    if (romaDemanat_) {
        nouExercici(text, roma);
        teclat_ = kTeclatRoma;
    } else {
        nouExercici(roma, text);
        teclat_ = superior >= kAmbSeparador ? 1 : 0;
    }
}

bool ActivitatRomans::accepta(QChar c) const {
    if (romaDemanat_)
        return kLletres.contains(c);
    // The point passes whatever the separator; where the answer holds none it costs an error
    // like any other wrong character.
    if ((c >= u'0' && c <= u'9') || c == u'.')
        return true;
    const QString sep = DigitGrouping::separator(ctx_.separador());
    return !sep.isEmpty() && c == sep.at(0);
}

QString ActivitatRomans::teclaExtra() const {
    // With the blank separator the extra key reads "Espai" and types a blank.
    return ctx_.separador() == 1 ? TextIdioma(IdText::kEspai, ctx_.idioma()) : QStringLiteral(".");
}
