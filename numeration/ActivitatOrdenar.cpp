#include "numeration/ActivitatOrdenar.h"

#include "core/Atzar.h"
#include "core/ContextActivitat.h"
#include "core/DigitGrouping.h"
#include "core/IdsText.h"
#include "numeration/IntervalsNombres.h"

#include <algorithm>

namespace {

// Wide enough for the largest number with its separators ("999.999.999"), so that the texts of
// the sorted list box sort in numeric order.
constexpr int kAmpladaRelacio = 11;

} // namespace

ActivitatOrdenar::ActivitatOrdenar(ContextActivitat& ctx, QObject* parent)
    : Activitat(ctx, parent) {}

void ActivitatOrdenar::preparar() {
    NovaLlista();
    arrossegable_ = true;
    emit canviat();
}

void ActivitatOrdenar::novaOperacio() {
    // After a failed check the same list stays to be corrected.
    if (ctx_.missatge() != IdText::kLlistaDesordenada)
        NovaLlista();
    arrossegable_ = true;
    emit canviat();
}

void ActivitatOrdenar::NovaLlista() {
    // Held to the editor's range, the largest never below the smallest: the draw cannot overflow
    // and every caption fits the width of the sorted texts.
    const qint64 inferior = IntervalsNombres::limitaCardinal(ctx_.parametre1());
    const qint64 superior =
        std::clamp<qint64>(ctx_.parametre2(), inferior, IntervalsNombres::kCardinalMaxim);
    const int separador = ctx_.separador();
    Atzar& atzar = ctx_.atzar();

    relacio_.clear();
    for (Paraula& p : paraules_) {
        const qint64 n = atzar.entre(int(inferior), int(superior));
        p.caption = DigitGrouping::group(n, separador);
        p.tag = QString::number(n);
        relacio_.append(n);
    }
    std::sort(relacio_.begin(), relacio_.end());

    textsRelacio_.clear();
    for (const qint64 n : relacio_) {
        const QString text =
            QString(kAmpladaRelacio - 1, u' ') + DigitGrouping::group(n, separador);
        textsRelacio_.append(text.right(kAmpladaRelacio));
    }
}

qint64 ActivitatOrdenar::valor(int i) const {
    if (i < 0 || i >= kParaules)
        return 0;
    return paraules_[i].tag.toLongLong();
}

bool ActivitatOrdenar::deixa(int origen, int desti) {
    if (!arrossegable_ || origen == desti || origen < 0 || origen >= kParaules || desti < 0 ||
        desti >= kParaules)
        return false;
    if (paraules_[origen].caption == paraules_[desti].caption) {
        // A number dropped on its equal is taken off the list.
        paraules_[origen] = Paraula{};
    } else {
        const Paraula moguda = paraules_[origen];
        if (origen > desti)
            std::move_backward(paraules_.begin() + desti, paraules_.begin() + origen,
                               paraules_.begin() + origen + 1);
        else
            std::move(paraules_.begin() + origen + 1, paraules_.begin() + desti + 1,
                      paraules_.begin() + origen);
        paraules_[desti] = moguda;
    }
    emit canviat();
    return true;
}

bool ActivitatOrdenar::ordenada() const {
    // Increasing down to the first blank word, and nothing but blanks below it. A blank word at
    // the top counts as the first blank too: its value of 0 would otherwise pass as the
    // smallest number while the list is not in order.
    int i = 0;
    for (; i < kParaules && !paraules_[i].caption.isEmpty(); ++i) {
        if (i > 0 && valor(i) < valor(i - 1))
            return false;
    }
    for (; i < kParaules; ++i) {
        if (!paraules_[i].caption.isEmpty())
            return false;
    }
    return true;
}

void ActivitatOrdenar::comprova() {
    if (!arrossegable_)
        return;
    arrossegable_ = false;
    emit canviat();
    if (ordenada()) {
        ctx_.RespostaCorrecta();
    } else {
        ctx_.RespostaErronia();
        ctx_.mostraMissatge(IdText::kLlistaDesordenada);
    }
}

void ActivitatOrdenar::ajuda() {
    // Equal numbers are shown once; the tags stay as they were, since the next exercise brings
    // a new list before any check can read them.
    int omplertes = 0;
    for (const QString& element : std::as_const(textsRelacio_)) {
        const QString text = element.trimmed();
        if (omplertes == 0 || text != paraules_[omplertes - 1].caption)
            paraules_[omplertes++].caption = text;
    }
    for (int i = omplertes; i < kParaules; ++i)
        paraules_[i].caption.clear();
    arrossegable_ = false;
    emit canviat();
    ctx_.mostraMissatge(IdText::kNoDemanisAjuda);
    ctx_.RespostaCorrecta();
}
