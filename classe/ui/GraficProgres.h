#pragma once

#include "classe/ProgresAlumne.h"

#include <QColor>
#include <QString>

class QChart;

// The two charts of a pupil's progress, built to be read on a projector and printed in black and
// white: the level played over the series (a step line, each series a mark) and the errors of
// each series below, on the same x axis. An outcome has a colour of the Okabe-Ito palette, which
// colour-blind eyes tell apart, and a shape of its own, which survives a grey printout. Texts are
// sized in pixels, so a chart rendered onto a printer keeps its proportions.
namespace GraficProgres {

struct Textos {
    QString desenllacos[kDesenllacos]; // the outcomes' names, in `Desenllac` order
    QString eixX;                      // under the series
    QString nivell;
    QString errors;
};

inline constexpr int kPixelsText = 19; // 14 points at 96 dpi
inline constexpr int kNivellMaxim = 10;
// Labelled days at most, so that "dd-MM" labels never overlap at the window's width.
inline constexpr int kDiesEtiquetats = 14;

QColor color(Desenllac d);

// The level chart, with the legend of the outcomes above it.
QChart* nivells(const ProgresAlumne& progres, const Textos& textos);
// The errors chart, without legend.
QChart* errors(const ProgresAlumne& progres, const Textos& textos);

// Keeps the plot areas of `dalt` and `baix` one over the other whatever their axis labels'
// widths: the narrower side gets the difference as margin, again on every layout.
void alinea(QChart* dalt, QChart* baix);

} // namespace GraficProgres
