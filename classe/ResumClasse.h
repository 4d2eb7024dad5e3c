#pragma once

#include "classe/Periode.h"
#include "core/ConfigGrup.h"
#include "history/LecturaHistorial.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What a pupil's history says of the series played in a period.
struct XifresHistorial {
    int series = 0;
    int superades = 0;
    qint64 segons = 0; // seconds used, all series together
    QDate darrerDia;   // null: no series in the period

    static XifresHistorial suma(const QList<SerieHistorial>& series, const Periode& periode);
    bool operator==(const XifresHistorial&) const = default;
};

// One pupil of the overview.
struct AlumneResum {
    int numero = 0;
    QString nom;        // without its padding
    QList<int> nivells; // the stored level of every activity column (0: every level passed)
    // The pupil's series; nullopt when the history is missing or cannot be read, and then every
    // history figure is left blank.
    std::optional<QList<SerieHistorial>> historial;
    XifresHistorial xifres;
};

// The class overview of a group: one row per pupil of the group's list (sorted by number), the
// level of every activity the group includes, in tab order, then the history figures of the
// period: series played, series passed, share passed, time used and the last day played.
// A level is shown as the stored level out of the group's level count ("3/10"); a stored 0 (every
// level passed) as the count with a finished mark ("10/10 ✓"). In a spreadsheet file numbers stay
// numbers: the level alone, the count and the finished value (the count plus one, so that it
// sorts after the last level) in the column's header; the share as a whole number; the time as
// h:mm:ss; days as dd/mm/yyyy.
class ResumClasse {
public:
    enum class Format { Pantalla, Csv };
    enum class Columna { Numero, Nom, Nivell, Series, Superades, Percentatge, Temps, DarrerDia };

    // The pupils of group `grup` (file named in language `idioma`) and their histories, read
    // from `carpeta`. Headers are written in `idioma`.
    static ResumClasse llegeix(const QString& carpeta, int grup, int idioma, const ConfigGrup& cfg,
                               const Periode& periode);
    ResumClasse(int idioma, const ConfigGrup& cfg, QList<AlumneResum> alumnes,
                const Periode& periode);

    // Sums the histories again for `periode`; the order of the rows stays.
    void posaPeriode(const Periode& periode);
    const Periode& periode() const { return periode_; }

    int columnes() const { return int(activitats_.size()) + 7; }
    Columna columna(int columna) const;
    // The activity 1..9 of a level column, 0 for any other column.
    int activitat(int columna) const;
    qsizetype files() const { return alumnes_.size(); }
    const AlumneResum& alumne(qsizetype fila) const { return alumnes_.at(fila); }

    QStringList capcalera(Format format) const;
    QStringList fila(qsizetype fila, Format format) const;
    // The header row, then every pupil's row in the current order.
    QList<QStringList> taula(Format format) const;
    // How far along the levels of a level column's activity the pupil is, 0..1 (1: finished);
    // -1 for any other column.
    double avanc(qsizetype fila, int columna) const;

    // Stable: rows that compare equal keep their order. Numbers by value, names as the language
    // sorts them, blank figures last in either direction.
    void ordena(int columna, Qt::SortOrder ordre);

private:
    // The value a cell sorts by; nullopt for a blank figure.
    std::optional<double> valor(const AlumneResum& a, int columna) const;

    int idioma_;
    QList<int> activitats_; // the included activities 1..9, in tab order
    QList<int> comptes_;    // each one's level count
    QList<AlumneResum> alumnes_;
    Periode periode_;
};

// Seconds as a clock shows them: "mm:ss" under an hour, "h:mm:ss" from an hour on, or always
// "h:mm:ss" when `hores`.
QString textTemps(qint64 segons, bool hores = false);
