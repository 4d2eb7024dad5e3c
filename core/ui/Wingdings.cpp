#include "core/ui/Wingdings.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QStringList>

#include <array>

namespace Wingdings {

namespace {

struct Entry {
    int code;
    char32_t unicode;
    // Shown instead when no installed font draws `unicode`; the three newest symbols (Unicode 7)
    // are missing from the fonts the program ships with.
    char32_t lookAlike;
};

constexpr std::array kTable{
    Entry{kWaitingDigit, 0x270D, 0x270D},   // WRITING HAND
    Entry{kQuery, 0x2BD1, 0x2370},          // UNCERTAINTY SIGN, else APL QUAD QUESTION
    Entry{kClock, 0x1F558, 0x1F558},        // CLOCK FACE NINE OCLOCK
    Entry{kArrowDownLeft, 0x2BB0, 0x21B2},  // RIBBON ARROW DOWN LEFT, else the plain ↲
    Entry{kArrowDownRight, 0x2BB1, 0x21B3}, // RIBBON ARROW DOWN RIGHT, else the plain ↳
    Entry{kCross, 0x2717, 0x2717},          // BALLOT X
    Entry{kCheck, 0x2713, 0x2713},          // CHECK MARK
};

const Entry* find(int code) {
    for (const Entry& e : kTable)
        if (e.code == code)
            return &e;
    return nullptr;
}

// Monochrome fonts first, so that a glyph takes the colour its caller paints it in; the colour
// emoji font last, for what nothing else holds.
QStringList familiesToTry() {
    const QString emoji = "Noto Color Emoji";
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& f : {QString("DejaVu Sans"), QString("DejaVu Sans Mono")})
        if (installed.contains(f))
            families << f;
    for (const QString& f : installed)
        if (!families.contains(f) && f != emoji)
            families << f;
    if (installed.contains(emoji))
        families << emoji;
    return families;
}

// Without merging, a font answers for its own glyphs only, not for those Qt would borrow from
// other fonts; the glyph then looks the same wherever the font is used.
QFont unmerged(const QString& family) {
    QFont f(family);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

QString familyHolding(char32_t cp) {
    static const QStringList families = familiesToTry();
    for (const QString& family : families)
        if (QFontMetrics(unmerged(family)).inFontUcs4(cp))
            return family;
    return {};
}

struct Glyph {
    QString text;
    QString family;
};

const Glyph& glyph(const Entry& e) {
    static QHash<int, Glyph> cache;
    auto it = cache.find(e.code);
    if (it == cache.end()) {
        Glyph g;
        char32_t cp = e.unicode;
        g.family = familyHolding(cp);
        if (g.family.isEmpty() && e.lookAlike != e.unicode) {
            cp = e.lookAlike;
            g.family = familyHolding(cp);
        }
        g.text = QString::fromUcs4(&cp, 1);
        it = cache.insert(e.code, g);
    }
    return *it;
}

} // namespace

char32_t unicode(int code) {
    const Entry* e = find(code);
    return e ? e->unicode : 0;
}

QString text(int code) {
    const Entry* e = find(code);
    return e ? glyph(*e).text : QString();
}

QFont font(int code, qreal pointSize) {
    QFont f;
    if (const Entry* e = find(code); e && !glyph(*e).family.isEmpty())
        f = unmerged(glyph(*e).family);
    if (pointSize > 0)
        f.setPointSizeF(pointSize);
    return f;
}

void prepare() {
    for (const Entry& e : kTable)
        glyph(e);
}

} // namespace Wingdings
