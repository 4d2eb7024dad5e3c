#pragma once

#include "classe/Periode.h"
#include "history/LecturaHistorial.h"

#include <QDate>
#include <QList>
#include <QPointF>

// How a series ended, as the progress chart tells it apart: passed (a level gained or the
// activity finished), lost because the errors ran out, lost because the time ran out, abandoned.
enum class Desenllac { Superada, Errors, Temps, Abandonada };
inline constexpr int kDesenllacos = 4;

constexpr Desenllac desenllac(ResultatSerie r) {
    switch (r) {
    case ResultatSerie::Errors:
        return Desenllac::Errors;
    case ResultatSerie::Temps:
        return Desenllac::Temps;
    case ResultatSerie::Abandona:
        return Desenllac::Abandonada;
    default:
        return Desenllac::Superada;
    }
}

// One series on the chart. The history is in the order of play and a pupil often plays several
// series a day, so the x position is the series' place in the period (1, 2, ...), each series the
// same room; the days are the axis' labels (`ProgresAlumne::dies`). Time without play takes no
// room: the chart shows how the series went one after another, not how busy each week was.
struct PuntProgres {
    double x = 0;
    QDate dia;
    int nivell = 0;
    Desenllac desenllac = Desenllac::Superada;
    int errors = 0; // errors made

    bool operator==(const PuntProgres&) const = default;
};

// Where a day's series start on the x axis.
struct DiaProgres {
    double x = 0; // half a place before the day's first series: the boundary with the day before
    QDate dia;

    bool operator==(const DiaProgres&) const = default;
};

// What one pupil's history says about one activity over a period.
struct ProgresAlumne {
    QList<PuntProgres> punts; // in the order of play

    // The series of `activitat` played in `periode`, in the history's order.
    static ProgresAlumne de(const QList<SerieHistorial>& series, TipusActivitat activitat,
                            const Periode& periode);

    // The level over time as a step line: each series' level holds until the next series; only
    // the corners, from the first series to the last.
    QList<QPointF> esglaons() const;
    // The days that start a run of series, for the axis' labels. So that about `maxim` fit, a day
    // less than (series count / `maxim`) places after the one labelled before goes unlabelled.
    QList<DiaProgres> dies(int maxim) const;
};

// The activities with at least one series in `series`, in activity order.
QList<TipusActivitat> activitatsAmbSeries(const QList<SerieHistorial>& series);
