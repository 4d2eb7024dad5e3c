#include "history/LecturaHistorial.h"

#include "core/IdsText.h"
#include "core/Rutes.h"
#include "core/StringTable.h"
#include "history/FitxerHistorial.h"

#include <QFile>
#include <QHash>
#include <QStringTokenizer>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Every block of the string table a line may have been written in, English included.
constexpr int kBlocs = 5;

// A word to what it says, found without regard to case. Kept sorted for a binary search on the
// line's own characters: a class overview reads many thousand lines, and a look-up that builds no
// string keeps it fast.
template <typename T> class Paraules {
public:
    void afegeix(const QString& paraula, T valor) {
        if (!paraula.isEmpty())
            mapa_.insert(paraula.toCaseFolded(), valor);
    }
    void ordena() {
        for (auto it = mapa_.cbegin(); it != mapa_.cend(); ++it)
            llista_.append({it.key(), it.value()});
        std::sort(llista_.begin(), llista_.end(),
                  [](const auto& a, const auto& b) { return abans(a.first, b.first); });
    }
    std::optional<T> busca(QStringView paraula) const {
        const auto it = std::lower_bound(
            llista_.cbegin(), llista_.cend(), paraula,
            [](const std::pair<QString, T>& e, QStringView p) { return abans(e.first, p); });
        if (it == llista_.cend() || it->first.compare(paraula, Qt::CaseInsensitive) != 0)
            return std::nullopt;
        return it->second;
    }

private:
    static bool abans(QStringView a, QStringView b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    }
    QHash<QString, T> mapa_; // while building: a word found twice keeps its last meaning
    QList<std::pair<QString, T>> llista_;
};

// The activity and result words of every language, built once.
struct Vocabulari {
    Paraules<TipusActivitat> activitats;
    Paraules<ResultatSerie> resultats;

    Vocabulari() {
        for (int idioma = 0; idioma < kBlocs; ++idioma) {
            for (int a = 1; a <= kActivitats; ++a)
                activitats.afegeix(TextIdioma(IdText::activitat(a), idioma), tipusActivitat(a));
            const std::pair<int, ResultatSerie> kResultats[] = {
                {IdText::kAcaba, ResultatSerie::Acaba},
                {IdText::kSuperat, ResultatSerie::Superat},
                {IdText::kAbandona, ResultatSerie::Abandona},
                {IdText::kErrors, ResultatSerie::Errors},
                {IdText::kTemps, ResultatSerie::Temps}};
            for (const auto& [id, r] : kResultats)
                resultats.afegeix(TextIdioma(id, idioma), r);
        }
        // The Basque words of the first releases, still found in older files.
        resultats.afegeix(u"Bukatu"_s, ResultatSerie::Acaba);
        resultats.afegeix(u"Utzi"_s, ResultatSerie::Abandona);
        activitats.ordena();
        resultats.ordena();
    }

    static const Vocabulari& tot() {
        static const Vocabulari kVocabulari;
        return kVocabulari;
    }
};

// The digits of `text` from `i` on, at most `maxim` of them, as a number; `i` moves past them.
int xifres(QStringView text, qsizetype& i, int maxim, int* quantes) {
    int n = 0;
    *quantes = 0;
    while (i < text.size() && *quantes < maxim && text[i] >= u'0' && text[i] <= u'9') {
        n = n * 10 + (text[i].unicode() - u'0');
        ++i;
        ++*quantes;
    }
    return n;
}

bool separador(QStringView text, qsizetype& i) {
    if (i >= text.size() || (text[i] != u'-' && text[i] != u'/' && text[i] != u'.'))
        return false;
    ++i;
    return true;
}

// "dd-mm-yy" as the board writes it; also one-digit day or month, "/" or "." between, and a year
// of four digits. A two-digit year is of this century unless that puts it past `anyMaxim`.
QDate data(QStringView text, int anyMaxim) {
    qsizetype i = 0;
    int n = 0;
    const int dia = xifres(text, i, 2, &n);
    if (n == 0 || !separador(text, i))
        return {};
    const int mes = xifres(text, i, 2, &n);
    if (n == 0 || !separador(text, i))
        return {};
    int any = xifres(text, i, 4, &n);
    if ((n != 2 && n != 4) || i != text.size())
        return {};
    if (n == 2) {
        any += 2000;
        if (any > anyMaxim)
            any -= 100;
    }
    return QDate(any, mes, dia);
}

std::optional<int> nombre(QStringView text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

// "(n)", the blanks inside allowed.
std::optional<int> total(QStringView text) {
    if (!text.startsWith(u'(') || !text.endsWith(u')'))
        return std::nullopt;
    return nombre(text.mid(1, text.size() - 2).trimmed());
}

int anyMaxim() {
    return QDate::currentDate().year() + 1;
}

std::optional<SerieHistorial> llegeixLinia(QStringView linia, int anyMaxim) {
    constexpr int kPeces = 10;
    std::array<QStringView, kPeces> peces;
    int n = 0;
    for (QStringView peca : linia.tokenize(u'\t')) {
        peca = peca.trimmed();
        if (peca.isEmpty())
            continue;
        if (n == kPeces)
            return std::nullopt;
        peces[n++] = peca;
    }
    if (n != kPeces)
        return std::nullopt;
    const QDate dia = data(peces[0], anyMaxim);
    const Vocabulari& paraules = Vocabulari::tot();
    const auto act = paraules.activitats.busca(peces[1]);
    const auto res = paraules.resultats.busca(peces[2]);
    const auto nivell = nombre(peces[3]), fets = nombre(peces[4]), fer = total(peces[5]),
               errorsFets = nombre(peces[6]), errors = total(peces[7]), segons = nombre(peces[8]),
               temps = total(peces[9]);
    if (!dia.isValid() || !act || !res || !nivell || !fets || !fer || !errorsFets || !errors ||
        !segons || !temps)
        return std::nullopt;
    return SerieHistorial{dia,  *act,        *res,    *nivell, *fets,
                          *fer, *errorsFets, *errors, *segons, *temps};
}

} // namespace

namespace LecturaHistorial {

std::optional<SerieHistorial> linia(const QString& linia) {
    return llegeixLinia(linia, anyMaxim());
}

QList<SerieHistorial> text(const QString& text) {
    QList<SerieHistorial> series;
    const int any = anyMaxim();
    for (QStringView l : QStringView(text).tokenize(u'\n'))
        if (const auto s = llegeixLinia(l, any))
            series << *s;
    return series;
}

std::optional<QList<SerieHistorial>> fitxer(const QString& carpeta, const QString& nomAlumne) {
    QFile f(RutaHistorial(carpeta, nomAlumne));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.readAll();
    if (f.error() != QFile::NoError)
        return std::nullopt;
    return text(FitxerHistorial::text(bytes));
}

} // namespace LecturaHistorial
