#pragma once

#include "core/LlistaAlumnes.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A class list brought into the records editor from a file: a text file with one name a line, or
// a spreadsheet file (CSV) whose first column holds the names. The plan says which pupils would
// be added, as the add mode would store them, and which rows of the file would not, and why; the
// group's file changes only when the plan is applied.
namespace ImportaLlista {

// Why a row of the file adds no pupil.
enum class Motiu {
    Capcalera, // the first row names its column ("Nom", "Alumno", "Izena", "Name"...)
    Buit,      // the first column is empty while the row is not
    NoValid,   // the add mode refuses the name: it could not name the pupil's history file
    JaHiEs,    // the name, as stored, is in the list already or earlier in the file
    Limit,     // the list already holds as many pupils as it can
};

struct Omes {
    int fila;    // the row in the file, from 1
    QString nom; // the name as it would be stored (the first column as it is for a heading)
    Motiu motiu;
};

struct Pla {
    // The new pupils' rows, in file order: name as stored, the number and the position the add
    // mode would give each after the ones before it, level 1 in every activity, no picture.
    QList<FilaAlumne> nous;
    QList<Omes> omesos;
};

// The plan for the file `bytes` (UTF-8, with or without its byte-order mark, or Windows-1252)
// over the group's rows `llista`. A spreadsheet file (`csv`) is split at the separator it uses
// (';', TAB or ','); a text file only at ';' and TAB, since "SURNAME, NAME" is one name there.
// Blank rows are passed over without a word.
Pla planifica(const QByteArray& bytes, const QList<FilaAlumne>& llista, bool csv);

// Whether `cella`, the first column of the first row, names the column rather than a pupil: its
// first word, case and accents aside, is "nom", "nombre", "nome", "izena", "name", "alumne",
// "alumno", "alumna", "ikaslea", "pupil", "student", a plural of them, or a word for surnames
// ("cognoms", "apellidos", "apelidos", "abizenak", "surname"), as in "Nom i cognoms".
bool esCapcalera(const QString& cella);

} // namespace ImportaLlista
