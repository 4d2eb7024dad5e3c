#pragma once

#include "core/TipusActivitat.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

// How a series ended, as its history line's result word says it.
enum class ResultatSerie { Acaba, Superat, Abandona, Errors, Temps };

// A series passed: the level was gained (Superat) or the activity finished (Acaba).
constexpr bool superada(ResultatSerie r) {
    return r == ResultatSerie::Acaba || r == ResultatSerie::Superat;
}

// One series as a history line tells it, read back into numbers.
struct SerieHistorial {
    QDate data;
    TipusActivitat activitat = TipusActivitat::Cardinals;
    ResultatSerie resultat = ResultatSerie::Abandona;
    int nivell = 0; // the level played
    int fets = 0;   // exercises done, of `fer`
    int fer = 0;
    int errorsFets = 0; // errors made, of `errors`
    int errors = 0;
    int segonsUsats = 0; // seconds used, of `temps`
    int temps = 0;

    bool operator==(const SerieHistorial&) const = default;
};

// Reads history files back into series. A history is a text a teacher may have edited in the
// viewer, so a line is read with some give (blanks around the pieces, doubled TABs, the activity
// and result words of any language in any case, "d-m-yy" or "dd/mm/yyyy" dates), and a line that
// still does not read as a series (a note, a damaged or cut line) is passed over, never an error.
namespace LecturaHistorial {

// The series `linia` tells, or nullopt when it is not a series line.
std::optional<SerieHistorial> linia(const QString& linia);

// Every series line of `text`, in the order of the text.
QList<SerieHistorial> text(const QString& text);

// The series of the history of `nomAlumne` under `carpeta`. nullopt when the file is missing or
// cannot be read; nothing is ever created or written.
std::optional<QList<SerieHistorial>> fitxer(const QString& carpeta, const QString& nomAlumne);

} // namespace LecturaHistorial
