#pragma once

#include <QImage>

// The front page's emoji pictures made at build time (see TaulaEmoji.h).
namespace EmojiPortada {

// One stored picture: the premultiplied ARGB32 pixels of a square `mida` device pixels wide. The
// sizes a front page at normal resolution draws are stored as they are, the larger ones
// compressed by qCompress.
struct Dada {
    const char* nom;
    int mida;
    const unsigned char* dades;
    int bytes;
    bool comprimit;
};

// Whether the build found the picture `nom` in the emoji font.
bool te(const char* nom);
// The stored picture of `nom` best suited to a square `pixels` wide: the smallest stored size at
// or above it, else the largest; a null image when the build did not find it. Scaling it the
// rest of the way is left to the painter that draws it.
QImage imatge(const char* nom, int pixels);

// The table the build made (EmojiDades.cpp, written by tools/emojigen).
extern const Dada kDades[];
extern const int kNombreDades;

} // namespace EmojiPortada
