#include "core/LlistaAlumnes.h"

#include "core/Win1252.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

int toByte(int v) {
    return std::clamp(v, 0, 255);
}

// "nan" and "inf" read as text: a value that compares with nothing would break the order.
std::optional<double> asNumber(const QString& cell) {
    bool ok = false;
    const double v = cell.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

QString asStored(const QString& text, int width) {
    return Win1252::decode(Win1252::field(text, width));
}

int compareCells(const QString& a, const QString& b) {
    const auto na = asNumber(a);
    const auto nb = asNumber(b);
    if (na && nb)
        return *na < *nb ? -1 : (*na > *nb ? 1 : 0);
    // Texts before numbers, as "-" (an activity finished) always came before a level; comparing
    // a number with a text as text would let a text fall between two numbers it also follows
    // ("   1" < "  x" < " 1" == "   1").
    if (na || nb)
        return na ? 1 : -1;
    return QString::compare(a, b, Qt::CaseInsensitive);
}

} // namespace

namespace LlistaAlumnes {

QString textNivell(int nivell) {
    return nivell == 0 ? QStringLiteral("-") : QString::number(nivell);
}

int nivellDeText(const QString& text) {
    return toByte(text.trimmed().toInt());
}

FilaAlumne fila(const Registre& r, int posicio) {
    FilaAlumne f;
    f.reserve(kColumnes);
    f << QString::number(r.Numero) << asStored(r.Nom, Registre::kAmpleNom);
    for (uint8_t n : r.Nivell)
        f << textNivell(n);
    f << QString::number(posicio) << asStored(r.Imatge, Registre::kAmpleImatge);
    return f;
}

Registre registre(const FilaAlumne& fila) {
    Registre r;
    r.Numero = uint8_t(toByte(fila.value(kColNumero).trimmed().toInt()));
    r.Nom = fila.value(kColNom);
    for (int a = 0; a < kActivitats; ++a)
        r.Nivell[a] = uint8_t(nivellDeText(fila.value(kColNivell1 + a)));
    r.Imatge = fila.value(kColImatge);
    return r;
}

int posicio(const FilaAlumne& fila) {
    return fila.value(kColPosicio).trimmed().toInt();
}

QString textFila(const FilaAlumne& fila) {
    return fila.join(u'\t');
}

bool abans(const FilaAlumne& a, const FilaAlumne& b) {
    for (int c = 0; c <= kColPosicio; ++c) {
        const int order = compareCells(a.value(c), b.value(c));
        if (order != 0)
            return order < 0;
    }
    return false;
}

void ordena(QList<FilaAlumne>& files) {
    std::stable_sort(files.begin(), files.end(), abans);
}

bool potAfegir(qsizetype filesDades) {
    return filesDades < kMaxAlumnes;
}

int posicioNova(const QList<FilaAlumne>& files) {
    QList<int> preses;
    preses.reserve(files.size());
    for (const FilaAlumne& f : files)
        preses << posicio(f);
    std::sort(preses.begin(), preses.end());
    int lliure = 1;
    for (int p : preses) {
        if (p == lliure)
            ++lliure;
        else if (p > lliure)
            break;
    }
    return lliure;
}

int nivellDespresDeSuperar(int jugat, int nivells) {
    const int n = (nivells <= 0 || nivells > kMaxNivells) ? kMaxNivells : nivells;
    return jugat >= n ? 0 : std::max(jugat, 0) + 1;
}

} // namespace LlistaAlumnes
