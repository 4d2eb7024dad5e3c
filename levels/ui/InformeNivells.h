#pragma once

#include "core/TipusActivitat.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Sessio;
class QPrinter;

// The printed level set: one table per activity included in the group's workbook, one row per
// level in use, three tables a page (the Dividir table joins the page before), each page under a
// boxed header with the set's name and the page number. Measurements are in points from the top
// left of the printable area. The pages are laid out first, as texts, rules and boxes, then
// painted.
namespace InformeNivells {

struct Element {
    enum Tipus { Text, Linia, Caixa };
    enum Alineacio { Esquerra, Centre, Dreta };
    Tipus tipus = Text;
    QString text;
    double x = 0; // a text's anchor (its left edge, centre or right edge), a rule's or box's left
    double y = 0; // a text's top, a rule's height, a box's top
    double x2 = 0;
    double y2 = 0;
    double punts = 0;
    bool negreta = false;
    Alineacio alineacio = Esquerra;

    bool operator==(const Element&) const = default;
};
using Pagina = QList<Element>;

struct Taula {
    TipusActivitat activitat = TipusActivitat::Portada;
    QString titol;            // the activity's name in capitals
    QString marca;            // "Amb resta" on the Dividir table of a group that uses it
    QStringList parametres;   // the two parameters' headings
    QList<QStringList> files; // level, Temps, Errors, Fer, Parametre1, Parametre2

    bool operator==(const Taula&) const = default;
};

struct Dades {
    QString capcalera;    // "NIVELL: " and the set's name
    QString pagina;       // the word before the page number
    QStringList columnes; // "Nivell", "Temps", "Errors", "Fer"
    QList<Taula> taules;  // in activity order
};

// The report of the set `nomJoc` of the program folder `sessio.carpeta` as it applies to the
// current group, in the current language. The set file is read as the editor shows it.
Dades dades(const Sessio& sessio, const QString& nomJoc);

// The pages for a printable area `alcada` points high. The rows are spaced so that the fullest
// page fits.
QList<Pagina> pagines(const Dades& d, double alcada);

// Portrait A4 with margins the usual printers can reach.
void preparaImpressora(QPrinter& impressora);

// Lays the pages out for the printer's printable area and paints them. False when the printer
// cannot be opened or written.
bool imprimeix(QPrinter& impressora, const Dades& d);

inline constexpr double kPuntsCapcalera = 10;
inline constexpr double kPuntsCos = 12;

} // namespace InformeNivells
