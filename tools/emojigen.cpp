// emojigen: draws the front page's colour emoji from the installed emoji font and writes them as
// a C++ source file, one picture per name and size of frontpage/TaulaEmoji.h. Each picture is
// stored as its premultiplied ARGB32 pixels, the larger sizes zlib-compressed (qCompress): taking
// them at start-up costs a fraction of decoding a PNG.
//
//   emojigen OUTPUT.cpp
//
// An emoji the font lacks, or a joined sequence it cannot draw as a single picture, is left out;
// the program then shows its letter badge instead. Runs on the offscreen platform, no display.

#include "frontpage/TaulaEmoji.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QTextLayout>

#include <cstdio>

namespace {

const QString kFamilia = QStringLiteral("Noto Color Emoji");

QFont lletra(qreal pixels) {
    QFont f(kFamilia);
    f.setStyleStrategy(QFont::NoFontMerging);
    f.setPixelSize(qMax(1, qRound(pixels)));
    return f;
}

// Whether the font draws `text` as one picture of its own: a sequence it cannot join comes out as
// several glyphs, a missing character as glyph 0 (merging is off, so no other font stands in).
bool unSolDibuix(const QString& text) {
    QTextLayout layout(text, lletra(64));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    qsizetype glifs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 g : run.glyphIndexes()) {
            if (g == 0)
                return false;
            ++glifs;
        }
    }
    return glifs == 1;
}

QByteArray pixels(const QString& text, int mida) {
    QImage imatge(mida, mida, QImage::Format_ARGB32_Premultiplied);
    imatge.fill(Qt::transparent);
    QPainter p(&imatge);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(lletra(mida * TaulaEmoji::kProporcio));
    p.drawText(QRectF(0, 0, mida, mida), Qt::AlignCenter, text);
    p.end();
    QByteArray bytes;
    for (int y = 0; y < mida; ++y)
        bytes.append(reinterpret_cast<const char*>(imatge.constScanLine(y)), mida * 4);
    return bytes;
}

QByteArray llistaBytes(const QByteArray& bytes) {
    QByteArray out;
    for (int i = 0; i < bytes.size(); ++i) {
        out += QByteArray::number(static_cast<unsigned char>(bytes[i]));
        out += (i % 24 == 23) ? ",\n" : ",";
    }
    return out;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: emojigen OUTPUT.cpp\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool font = QFontDatabase::families().contains(kFamilia);
    if (!font)
        std::fprintf(stderr, "emojigen: no %s installed; the letter badges stand in\n",
                     qPrintable(kFamilia));

    QByteArray arrays;
    QByteArray taula;
    int n = 0;
    auto afegeix = [&](const TaulaEmoji::Entrada& e) {
        const QString text = QString::fromUtf8(e.text);
        if (!font || !unSolDibuix(text)) {
            std::fprintf(stderr, "emojigen: %s is not in the font; its letter badge stands in\n",
                         e.nom);
            return;
        }
        for (int mida : TaulaEmoji::kMides) {
            const bool comprimir = mida > TaulaEmoji::kMidaSenseComprimir;
            const QByteArray bytes =
                comprimir ? qCompress(pixels(text, mida), 9) : pixels(text, mida);
            const QByteArray nom = "d" + QByteArray::number(n++);
            arrays += "const unsigned char " + nom + "[] = {\n" + llistaBytes(bytes) + "};\n";
            taula += QByteArray("    {\"") + e.nom + "\", " + QByteArray::number(mida) + ", " +
                     nom + ", " + QByteArray::number(bytes.size()) + ", " +
                     (comprimir ? "true" : "false") + "},\n";
        }
    };
    for (const auto& e : TaulaEmoji::kAnimals)
        afegeix(e);
    for (const auto& e : TaulaEmoji::kEines)
        afegeix(e);

    QByteArray cpp =
        "// Written by tools/emojigen at build time; do not edit.\n"
        "#include \"frontpage/EmojiPortada.h\"\n\nnamespace EmojiPortada {\n\nnamespace {\n" +
        arrays + "} // namespace\n\nconst Dada kDades[] = {\n" + taula;
    if (n == 0)
        cpp += "    {\"\", 0, nullptr, 0, false},\n";
    cpp += "};\nconst int kNombreDades = " + QByteArray::number(n) +
           ";\n\n} // namespace EmojiPortada\n";
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(cpp) != cpp.size() || !out.commit()) {
        std::fprintf(stderr, "emojigen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
