#include "history/LecturaHistorial.h"

#include "core/IdsText.h"
#include "core/Rutes.h"
#include "core/StringTable.h"
#include "history/FitxerHistorial.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// Every block of the string table a line may have been written in, English included.
constexpr int kBlocs = 5;

// The activity and result words of every language, case folded, to what they say. Built once:
// a class overview reads many thousand lines.
struct Paraules {
    QHash<QString, TipusActivitat> activitats;
    QHash<QString, ResultatSerie> resultats;

    Paraules() {
        for (int idioma = 0; idioma < kBlocs; ++idioma) {
            for (int a = 1; a <= kActivitats; ++a)
                activitats.insert(clau(TextIdioma(IdText::activitat(a), idioma)),
                                  tipusActivitat(a));
            const std::pair<int, ResultatSerie> kResultats[] = {
                {IdText::kAcaba, ResultatSerie::Acaba},
                {IdText::kSuperat, ResultatSerie::Superat},
                {IdText::kAbandona, ResultatSerie::Abandona},
                {IdText::kErrors, ResultatSerie::Errors},
                {IdText::kTemps, ResultatSerie::Temps}};
            for (const auto& [id, r] : kResultats)
                resultats.insert(clau(TextIdioma(id, idioma)), r);
        }
        // The Basque words of the first releases, still found in older files.
        resultats.insert(clau(u"Bukatu"_s), ResultatSerie::Acaba);
        resultats.insert(clau(u"Utzi"_s), ResultatSerie::Abandona);
        activitats.remove(QString());
        resultats.remove(QString());
    }

    static QString clau(const QString& paraula) { return paraula.toCaseFolded(); }

    static const Paraules& totes() {
        static const Paraules kParaules;
        return kParaules;
    }
};

template <typename T>
std::optional<T> busca(const QHash<QString, T>& taula, const QString& paraula) {
    const auto it = taula.constFind(Paraules::clau(paraula));
    return it == taula.cend() ? std::nullopt : std::optional<T>(*it);
}

// "dd-mm-yy" as the board writes it; also one-digit day or month, "/" or "." between, and a year
// of four digits. A two-digit year is of this century unless that puts it more than a year ahead.
QDate data(const QString& text) {
    static const QRegularExpression kData(
        QStringLiteral(R"(^(\d{1,2})[-/.](\d{1,2})[-/.](\d{2}|\d{4})$)"));
    const QRegularExpressionMatch m = kData.match(text);
    if (!m.hasMatch())
        return {};
    int any = m.captured(3).toInt();
    if (m.capturedLength(3) == 2) {
        any += 2000;
        if (any > QDate::currentDate().year() + 1)
            any -= 100;
    }
    return QDate(any, m.captured(2).toInt(), m.captured(1).toInt());
}

std::optional<int> nombre(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional(n) : std::nullopt;
}

// "(n)", the blanks inside allowed.
std::optional<int> total(const QString& text) {
    if (!text.startsWith(u'(') || !text.endsWith(u')'))
        return std::nullopt;
    return nombre(text.mid(1, text.size() - 2).trimmed());
}

} // namespace

namespace LecturaHistorial {

std::optional<SerieHistorial> linia(const QString& linia) {
    QStringList peces;
    for (const QString& peca : linia.split(u'\t'))
        if (!peca.trimmed().isEmpty())
            peces << peca.trimmed();
    if (peces.size() != 10)
        return std::nullopt;
    const QDate dia = data(peces[0]);
    const Paraules& paraules = Paraules::totes();
    const auto act = busca(paraules.activitats, peces[1]);
    const auto res = busca(paraules.resultats, peces[2]);
    const auto nivell = nombre(peces[3]), fets = nombre(peces[4]), fer = total(peces[5]),
               errorsFets = nombre(peces[6]), errors = total(peces[7]), segons = nombre(peces[8]),
               temps = total(peces[9]);
    if (!dia.isValid() || !act || !res || !nivell || !fets || !fer || !errorsFets || !errors ||
        !segons || !temps)
        return std::nullopt;
    return SerieHistorial{dia,  *act,        *res,    *nivell, *fets,
                          *fer, *errorsFets, *errors, *segons, *temps};
}

QList<SerieHistorial> text(const QString& text) {
    QList<SerieHistorial> series;
    for (const QString& l : text.split(u'\n'))
        if (const auto s = linia(l))
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
