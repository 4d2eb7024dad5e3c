#pragma once

#include "core/IdsText.h"
#include "core/LlistaAlumnes.h"
#include "core/Registre.h"

#include <QList>
#include <QString>

struct Sessio;

// What the records editor `Edició` does with the current group's pupil list: it adds pupils,
// edits one pupil's record (renaming the history file with the name) and deletes pupils. The
// rows it works on are the front page's rows of `Relació`, in grid order; adds and edits reach
// the file at once, deletions stay in the rows until the window closes and the teacher confirms.
// The record shown in the window's fields is `camps()`; the window edits it there.
class EdicioRegistres {
public:
    enum class Mode { Afegir = 0, Editar = 1, Eliminar = 2 };

    // What became of the pupil's history file when an edit was written.
    enum class Historial {
        Igual,       // the name leads to the same file: nothing to do
        SenseFitxer, // the pupil has no history yet
        Reanomenat,  // the file now carries the new name
        Ocupat,      // a file of the new name exists (another pupil's): both are left as they are
        Error,       // the rename failed; the file keeps the old name
    };

    // What became of `Mou(1)` while adding or editing.
    enum class Resultat {
        Desat,      // the record is in the file
        SenseNom,   // refused: the name is empty or only blanks; nothing was written
        NomNoValid, // refused: the name cannot name the pupil's history file; nothing was written
        NoDesat,    // the record could not be written; the file and the rows are as they were
    };

    inline static constexpr int kNumeroMaxim = 99;

    // Opening: the list is read again from the group's file and sorted, keeping row number `fila`
    // (0-based, clamped to the list); modes 1 and 2 show that row, mode 0 a new pupil. A group
    // count of 0 levels becomes 10 in the session's group record.
    EdicioRegistres(Sessio& sessio, Mode mode, QList<FilaAlumne>& files, int fila);

    Mode mode() const { return mode_; }
    const QList<FilaAlumne>& files() const { return files_; }
    // The row shown in the fields; -1 when there is none.
    int fila() const { return fila_; }
    bool buida() const { return files_.isEmpty(); }
    // Rows were deleted and wait for the closing question.
    bool esborrats() const { return esborrats_; }
    // The group's file was written (an add, an edit or a confirmed deletion).
    bool desat() const { return desat_; }

    // The window caption's string id: "Afegint registres...", "Editant..." or "Eliminant...".
    int idTitol() const { return IdText::kAfegintRegistres + int(mode_); }
    // The string id of the action button `Mou(1)`.
    int idAccio() const;
    // Number, picture and picture removal can be changed (adding and editing).
    bool campsEditables() const { return mode_ != Mode::Eliminar; }
    // `Anterior` and `Següent` work (editing and deleting).
    bool navega() const { return mode_ != Mode::Afegir; }
    // The action button can act: always when adding, on a pupil otherwise.
    bool accioActiva() const { return mode_ == Mode::Afegir || fila_ >= 0; }
    // The highest level the up-down of activity 1..9 reaches: the group's count, at most 10.
    int nivellMaxim(int activitat) const;
    // The level of activity 1..9 can be changed: the group is offered it and no row is deleted.
    bool nivellEditable(int activitat) const;

    Registre& camps() { return camps_; }
    const Registre& camps() const { return camps_; }

    // Shows row `fila`: the fields and the session's `Registre` take its record.
    bool mostra(int fila);
    // `Anterior`, `Següent`: false (the window beeps) at either end.
    bool anterior() { return mostra(fila_ - 1); }
    bool seguent() { return mostra(fila_ + 1); }

    // `Mou(1)` while adding: writes the fields as a new record, its name as nomNou() gives it,
    // reads the list again and sorts it, then prepares the next pupil (next number, no name, no
    // picture, the same levels). A name nomRefusat() refuses is not written. The fields are kept
    // when nothing was written.
    Resultat afegeix();
    // Writes the new pupils `nous` (rows at the positions the list leaves free) in one rewrite of
    // the group's file, then reads the list again and offers the number after the last. True when
    // there was nothing to write; false when the file could not be written (it is as it was).
    bool afegeixVarios(const QList<FilaAlumne>& nous);
    // `Mou(1)` while editing: writes the fields the teacher changed over the pupil's record as
    // the file holds it now (what another computer changed meanwhile stays), updates the row and
    // the fields to the record stored and renames the history file when the stored name leads to
    // another one. A blank name is refused. Nothing changes when nothing was written.
    Resultat edita(Historial* historial = nullptr);
    // The last edit replaced a level another computer had changed since the row was read.
    bool conflicte() const { return conflicte_; }
    // `Mou(1)` while deleting: removes the shown row from the rows only and shows the row that
    // takes its place (the last one when it was the last).
    void elimina();
    // Closing after deletions: "Sí" rewrites the file without the deleted pupils, keeping every
    // other record as the file holds it then (removing the file when none is left), "No" reads
    // the rows back from the file. Either way the rows are sorted again. False
    // when the rewrite failed; the rows then hold the file as it still is.
    bool tanca(bool confirma);

    // A name typed for a new pupil as it is stored: without the blanks around it, in upper case,
    // cut to the record's bytes as Windows-1252 holds them ('?' for what it cannot hold) and
    // without the blanks such a cut can leave at its end.
    static QString nomNou(const QString& tecleig);
    // Why a name as nomNou() gives it is not stored for a new pupil (Desat when it is): a blank
    // name, or one the pupil's history file could not be named after as it is.
    static Resultat nomRefusat(const QString& nom);
    // The number offered to a new pupil: one past the highest in `files`, held to 1..99.
    static int numeroNou(const QList<FilaAlumne>& files);

    // Renames Inf/Hst/<old name>.rtf to Inf/Hst/<new name>.rtf (names trimmed and made safe).
    static Historial reanomenaHistorial(const QString& carpeta, const QString& nomVell,
                                        const QString& nomNou);

private:
    bool senseNom() const;
    Registre registreNou() const;
    void rellegeix();

    Sessio& sessio_;
    Mode mode_;
    QList<FilaAlumne>& files_;
    int fila_ = -1;
    bool esborrats_ = false;
    bool desat_ = false;
    bool conflicte_ = false;
    QList<FilaAlumne> esborrades_;
    Registre camps_;
};
