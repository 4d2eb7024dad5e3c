#include "frontpage/EmojiPortada.h"

#include <cstring>

namespace EmojiPortada {

namespace {

// The stored picture of `nom` best suited to `pixels`: the smallest at or above, else the largest.
const Dada* millor(const char* nom, int pixels) {
    const Dada* tria = nullptr;
    for (int i = 0; i < kNombreDades; ++i) {
        const Dada& d = kDades[i];
        if (std::strcmp(d.nom, nom) != 0)
            continue;
        const bool cobreix = d.mida >= pixels;
        if (!tria)
            tria = &d;
        else if (cobreix && (tria->mida < pixels || d.mida < tria->mida))
            tria = &d;
        else if (!cobreix && tria->mida < pixels && d.mida > tria->mida)
            tria = &d;
    }
    return tria;
}

} // namespace

bool te(const char* nom) {
    return millor(nom, 1) != nullptr;
}

QImage imatge(const char* nom, int pixels) {
    const Dada* d = millor(nom, pixels);
    if (!d || pixels <= 0)
        return {};
    const qsizetype linia = qsizetype(d->mida) * 4;
    if (!d->comprimit) {
        // Read straight from the program's own constant data, without a copy.
        if (d->bytes != linia * d->mida)
            return {};
        return QImage(d->dades, d->mida, d->mida, linia, QImage::Format_ARGB32_Premultiplied);
    }
    const QByteArray dades = qUncompress(d->dades, d->bytes);
    if (dades.size() != linia * d->mida)
        return {};
    QImage imatge(d->mida, d->mida, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < d->mida; ++y)
        std::memcpy(imatge.scanLine(y), dades.constData() + y * linia, linia);
    return imatge;
}

} // namespace EmojiPortada
