#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A pupil's whole history file as the viewer works with it: one text whose lines end in '\n'. On
// disk the file is Windows-1252 with every line ended by CR LF, the form EscriuHistorial appends
// to, so a file the viewer saves takes further lines from the board unchanged.
namespace FitxerHistorial {

// The text of the history of `nomAlumne` under `carpeta`. A file that does not exist yet is created
// empty first, its folder too. nullopt when the file cannot be read (or created): something else
// stands at its path, or the medium refuses it; `noCreat` then tells whether it was the creation
// that failed. A file that exists is never rewritten here.
std::optional<QString> obre(const QString& carpeta, const QString& nomAlumne,
                            bool* noCreat = nullptr);

// Replaces the history of `nomAlumne` with `text` in one step (QSaveFile), so that a full disk or a
// crash leaves the old file whole. An empty text leaves an empty file. False when it failed.
bool desa(const QString& carpeta, const QString& nomAlumne, const QString& text);

// desa() of an edit of `obert`, the text as obre() gave it, holding the history file's lock: lines
// appended since (a series ended on another computer) are added after `text`, which becomes what
// was stored.
bool desaEdicio(const QString& carpeta, const QString& nomAlumne, QString& text,
                const QString& obert);

// Bytes on disk to text: CR LF, and a lone CR or LF, end a line.
QString text(const QByteArray& bytes);
// Text to bytes on disk: every line ends in CR LF, the last one included, so that the next line
// the board appends starts on a line of its own.
QByteArray bytes(const QString& text);

} // namespace FitxerHistorial
