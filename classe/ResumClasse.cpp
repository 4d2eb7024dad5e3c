#include "classe/ResumClasse.h"

#include "core/FitxerAlumnes.h"
#include "core/IdsText.h"
#include "core/StringTable.h"
#include "core/TextUtil.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace {

constexpr auto kFormatDia = "dd/MM/yyyy";
constexpr int kColumnesAbans = 2; // number and name, before the levels

// The languages' own order of names: Catalan, Spanish, Galician, Basque, English.
QLocale localeIdioma(int idioma) {
    static const QLocale::Language kLlengues[] = {
        QLocale::Catalan, QLocale::Spanish, QLocale::Galician, QLocale::Basque, QLocale::English};
    return QLocale(kLlengues[idioma >= 0 && idioma < 5 ? idioma : 0]);
}

} // namespace

XifresHistorial XifresHistorial::suma(const QList<SerieHistorial>& series, const Periode& periode) {
    XifresHistorial x;
    for (const SerieHistorial& s : series) {
        if (!periode.conte(s.data))
            continue;
        ++x.series;
        x.superades += superada(s.resultat) ? 1 : 0;
        x.segons += qMax(0, s.segonsUsats);
        if (x.darrerDia.isNull() || s.data > x.darrerDia)
            x.darrerDia = s.data;
    }
    return x;
}

QString textTemps(qint64 segons, bool hores) {
    const qint64 h = segons / 3600, m = segons / 60 % 60, s = segons % 60;
    const QString mmss =
        QStringLiteral("%1:%2").arg(m, 2, 10, QChar(u'0')).arg(s, 2, 10, QChar(u'0'));
    return h > 0 || hores ? QString::number(h) + u':' + mmss : mmss;
}

ResumClasse ResumClasse::llegeix(const QString& carpeta, int grup, int idioma,
                                 const ConfigGrup& cfg, const Periode& periode) {
    QList<FilaAlumne> files = FitxerAlumnes::llegeix(carpeta, grup, idioma);
    LlistaAlumnes::ordena(files);
    QList<AlumneResum> alumnes;
    alumnes.reserve(files.size());
    for (const FilaAlumne& f : std::as_const(files)) {
        const Registre r = LlistaAlumnes::registre(f);
        AlumneResum a;
        a.numero = r.Numero;
        a.nom = TextUtil::trimSpaces(r.Nom);
        for (int act = 1; act <= kActivitats; ++act)
            if (cfg.ofereix(act))
                a.nivells << r.Nivell[act - 1];
        a.historial = LecturaHistorial::fitxer(carpeta, a.nom);
        alumnes << std::move(a);
    }
    return ResumClasse(idioma, cfg, std::move(alumnes), periode);
}

ResumClasse::ResumClasse(int idioma, const ConfigGrup& cfg, QList<AlumneResum> alumnes,
                         const Periode& periode)
    : idioma_(idioma), alumnes_(std::move(alumnes)) {
    for (int act = 1; act <= kActivitats; ++act)
        if (cfg.ofereix(act)) {
            activitats_ << act;
            comptes_ << cfg.nivells(act);
        }
    posaPeriode(periode);
}

void ResumClasse::posaPeriode(const Periode& periode) {
    periode_ = periode;
    for (AlumneResum& a : alumnes_)
        a.xifres = a.historial ? XifresHistorial::suma(*a.historial, periode) : XifresHistorial{};
}

ResumClasse::Columna ResumClasse::columna(int columna) const {
    if (columna < kColumnesAbans)
        return Columna(columna);
    if (columna < kColumnesAbans + activitats_.size())
        return Columna::Nivell;
    return Columna(columna - int(activitats_.size()) + 1);
}

int ResumClasse::activitat(int columna) const {
    const int i = columna - kColumnesAbans;
    return i >= 0 && i < activitats_.size() ? activitats_.at(i) : 0;
}

QStringList ResumClasse::capcalera(Format format) const {
    const auto text = [this](int id) { return TextIdioma(id, idioma_); };
    QStringList c{text(IdText::kNum), text(IdText::kNomColumna)};
    for (qsizetype i = 0; i < activitats_.size(); ++i) {
        const QString nom = text(IdText::activitat(activitats_.at(i)));
        c << (format == Format::Csv
                  ? text(IdText::kNivellCsv).arg(nom).arg(comptes_.at(i)).arg(comptes_.at(i) + 1)
                  : nom);
    }
    c << text(IdText::kSeries) << text(IdText::kSuperades) << text(IdText::kPercentSuperades)
      << text(IdText::kTempsTotal) << text(IdText::kDarrerDia);
    return c;
}

QStringList ResumClasse::fila(qsizetype fila, Format format) const {
    const AlumneResum& a = alumnes_.at(fila);
    const bool csv = format == Format::Csv;
    QStringList f{QString::number(a.numero), a.nom};
    for (qsizetype i = 0; i < activitats_.size(); ++i) {
        const int nivell = a.nivells.value(i), compte = comptes_.at(i);
        if (csv)
            f << QString::number(nivell == 0 ? compte + 1 : nivell);
        else
            f << (nivell == 0 ? QStringLiteral("%1/%1 \u2713").arg(compte)
                              : QStringLiteral("%1/%2").arg(nivell).arg(compte));
    }
    const XifresHistorial& x = a.xifres;
    if (!a.historial)
        return f << QString() << QString() << QString() << QString() << QString();
    f << QString::number(x.series) << QString::number(x.superades);
    const QString percent = QString::number(qRound(100.0 * x.superades / qMax(1, x.series)));
    f << (x.series == 0 ? QString() : csv ? percent : percent + QStringLiteral(" %"));
    f << textTemps(x.segons, csv) << x.darrerDia.toString(QLatin1String(kFormatDia));
    return f;
}

QList<QStringList> ResumClasse::taula(Format format) const {
    QList<QStringList> t{capcalera(format)};
    for (qsizetype i = 0; i < alumnes_.size(); ++i)
        t << fila(i, format);
    return t;
}

double ResumClasse::avanc(qsizetype fila, int columna) const {
    const int i = columna - kColumnesAbans;
    if (i < 0 || i >= activitats_.size())
        return -1;
    const int nivell = alumnes_.at(fila).nivells.value(i);
    // Levels passed of the count: a pupil at level 1 has passed none.
    return nivell == 0 ? 1.0 : qBound(0.0, double(nivell - 1) / comptes_.at(i), 1.0);
}

std::optional<double> ResumClasse::valor(const AlumneResum& a, int col) const {
    const XifresHistorial& x = a.xifres;
    switch (columna(col)) {
    case Columna::Numero:
        return a.numero;
    case Columna::Nom:
        return std::nullopt;
    case Columna::Nivell: {
        const int i = col - kColumnesAbans;
        const int nivell = a.nivells.value(i);
        return nivell == 0 ? comptes_.at(i) + 1 : nivell;
    }
    case Columna::Series:
        return a.historial ? std::optional<double>(x.series) : std::nullopt;
    case Columna::Superades:
        return a.historial ? std::optional<double>(x.superades) : std::nullopt;
    case Columna::Percentatge:
        return a.historial && x.series > 0 ? std::optional(double(x.superades) / x.series)
                                           : std::nullopt;
    case Columna::Temps:
        return a.historial ? std::optional<double>(x.segons) : std::nullopt;
    case Columna::DarrerDia:
        return x.darrerDia.isValid() ? std::optional<double>(x.darrerDia.toJulianDay())
                                     : std::nullopt;
    }
    return std::nullopt;
}

void ResumClasse::ordena(int col, Qt::SortOrder ordre) {
    if (col < 0 || col >= columnes())
        return;
    const bool baixant = ordre == Qt::DescendingOrder;
    if (columna(col) == Columna::Nom) {
        QCollator collator(localeIdioma(idioma_));
        collator.setNumericMode(true);
        std::stable_sort(alumnes_.begin(), alumnes_.end(),
                         [&](const AlumneResum& a, const AlumneResum& b) {
                             const int c = collator.compare(a.nom, b.nom);
                             return baixant ? c > 0 : c < 0;
                         });
        return;
    }
    // The keys once, not at every comparison.
    QList<std::pair<std::optional<double>, qsizetype>> claus;
    claus.reserve(alumnes_.size());
    for (qsizetype i = 0; i < alumnes_.size(); ++i)
        claus.append({valor(alumnes_.at(i), col), i});
    std::stable_sort(claus.begin(), claus.end(), [&](const auto& a, const auto& b) {
        if (!a.first || !b.first)
            return a.first.has_value() && !b.first.has_value();
        return baixant ? *a.first > *b.first : *a.first < *b.first;
    });
    QList<AlumneResum> ordenats;
    ordenats.reserve(alumnes_.size());
    for (const auto& c : std::as_const(claus))
        ordenats << std::move(alumnes_[c.second]);
    alumnes_ = std::move(ordenats);
}
