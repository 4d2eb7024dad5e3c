#pragma once

#include "core/LlistaAlumnes.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct Sessio;
class QPrinter;

// The printed list of a group's pupils: a landscape page in millimetres with a header, the column
// headings and one ruled line per pupil holding the pupil's level in every activity. The pages
// are laid out first, as plain texts and rules at positions in millimetres, then painted.
namespace LlistaImpresa {

struct Element {
    enum class Tipus { Escrit, Linia };
    Tipus tipus = Tipus::Escrit;
    QString text;
    double x = 0;     // mm from the left of the printable area: a text's left edge, a rule's start
    double y = 0;     // mm from the top: a text's top, a rule's height
    double x2 = 0;    // a rule's end
    double punts = 0; // a text's font size

    bool operator==(const Element&) const = default;
};
using Pagina = QList<Element>;

// What the list prints, in the language current when it is printed.
struct Dades {
    QString titol;     // the program's title
    QString grup;      // the group's name
    QString nivell;    // the group's level-set name, without surrounding spaces
    QString data;      // today's date as shown
    QString pagina;    // the word before the page number
    QString capNumero; // column headings
    QString capNom;
    QStringList activitats; // the nine activity names
    QByteArray incloses;    // the group's Activitats: '1' = the activity is included
    QList<FilaAlumne> files;
};

Dades recull(const Sessio& sessio, const QList<FilaAlumne>& files, const QDate& avui);

// Width of `text` in millimetres at `punts` points.
using Mesura = std::function<double(const QString& text, double punts)>;

// The pages for a printable area `alcada` millimetres high.
QList<Pagina> pagines(const Dades& d, double alcada, const Mesura& mesura);

// Landscape A4 with margins the usual printers can reach.
void preparaImpressora(QPrinter& impressora);

// Lays the pages out for the printer's own printable area and fonts, and paints them. False when
// the printer could not be opened or refused a page.
bool imprimeix(QPrinter& impressora, const Dades& d);

inline constexpr double kPuntsCapcalera = 10;
inline constexpr double kPuntsLlista = 8;

} // namespace LlistaImpresa
