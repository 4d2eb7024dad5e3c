#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

// What one line of a pupil's history says about one exercise series.
struct LiniaHistorial {
    QDate data;          // the day the series ended
    int idioma = 0;      // the interface language at that moment
    int activitat = 1;   // 1..9
    QString resultat;    // the result word, already in that language
    QString nivell;      // the level played, as the board shows it
    int fets = 0;        // exercises done: Fer minus the exercises still to do
    int errorsFets = 0;  // errors made: Errors minus the errors still allowed
    int segonsUsats = 0; // seconds used: Temps minus the seconds left
    int fer = 0;
    int errors = 0;
    int temps = 0;

    // The line as written to the file: date, activity name, result, level, the three used/total
    // pairs, separated by TABs, ended by CR LF, in Windows-1252.
    QByteArray bytes() const;

    // The number a board counter shows; a counter shown blank or empty reads as 0.
    static int valorComptador(const QString& text);
};
