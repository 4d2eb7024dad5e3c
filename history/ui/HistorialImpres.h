#pragma once

#include <QList>
#include <QPixmap>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;

// The printed history: portrait pages in millimetres, each with the pupil's name, the page number,
// the date and the column headings between two rules, then the history lines with their TAB
// separated pieces at fixed columns. The pages are laid out first, as texts at positions, then
// painted.
namespace HistorialImpres {

struct Element {
    enum class Tipus { Text, Simbol, Imatge };
    Tipus tipus = Tipus::Text;
    QString text;
    int codi = 0;     // a symbol's Wingdings code
    double x = 0;     // mm from the paper's left edge: a text's left edge, a picture's left side
    double y = 0;     // mm from the paper's top: the top of the text's line, a picture's top
    double ample = 0; // a picture's size
    double alt = 0;

    bool operator==(const Element&) const = default;
};
using Pagina = QList<Element>;

// What is printed, taken from the viewer as it stands.
struct Dades {
    QString nom;        // the pupil's name
    QString data;       // today's date as shown
    QString pagina;     // the word before the page number
    QStringList eti;    // the seven column headings Eti_0..Eti_6, as the viewer shows them
    QStringList linies; // the lines of the history, as the viewer breaks them
    QSizeF imatge;      // the pupil's picture in pixels; empty when there is none
};

// Widths of Arial 10 texts and its line height, in millimetres.
struct Mesures {
    std::function<double(const QString&)> ample;
    double linia = 0;
};

// The text area starts this far from the paper's corner; the picture sits in the band above it.
inline constexpr double kOrigenX = 15;
inline constexpr double kOrigenY = 50;
inline constexpr double kMargeInferior = 25;
inline constexpr double kPunts = 10;

// The pages for paper `paper` mm; nullopt when a line has more pieces than there are columns.
std::optional<QList<Pagina>> pagines(const Dades& d, const QSizeF& paper, const Mesures& m);

// A4 portrait, painted from the paper's corner.
void preparaImpressora(QPrinter& impressora);
Mesures mesures(QPrinter& impressora);
QSizeF paper(const QPrinter& impressora);

// Lays the pages out for the printer's paper and fonts and paints them; false when the history
// cannot be laid out or the printer fails.
bool imprimeix(QPrinter& impressora, const Dades& d, const QPixmap& imatge);

} // namespace HistorialImpres
