#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;

// The class overview on paper and the shades its level cells share with the window: a light to
// dark blue ramp (safe for colour-blind readers and still a ramp in grey), with the number always
// written in a colour that reads on its shade.
namespace ResumImpres {

// The shade of a level cell `avanc` (0..1) of the way through its activity's levels.
QColor colorAvanc(double avanc);
// Black or white, whichever reads better on `fons`.
QColor tintaSobre(const QColor& fons);

struct Dades {
    QString titol;   // program, group and the overview's title
    QString periode; // the period as a header says it
    QString data;    // today's date as shown
    QString pagina;  // the word before the page number
    QStringList capcalera;
    QList<QStringList> files;
    QList<QList<double>> avanc; // per cell: a level cell's progress, -1 for any other
};

// Landscape A4 with margins the usual printers can reach.
void preparaImpressora(QPrinter& impressora);

// Every page: the title, date, page and period, the column headings, then ruled rows with the
// level cells shaded. The type shrinks until the widest row fits across the page. False when the
// printer could not be opened or refused a page.
bool imprimeix(QPrinter& impressora, const Dades& d);

} // namespace ResumImpres
