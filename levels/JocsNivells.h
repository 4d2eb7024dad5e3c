#pragma once

#include "core/ConfigGrup.h"
#include "levels/DadesNivell.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

struct Sessio;

// Columns 1..5 of one level row of the editor's grid, as the grid shows them.
using FilaGraella = std::array<QString, 5>;

// What the level editor does with level sets as files and with the group's settings: the list of
// sets, the open set with its ".ni2" backup, writing the shown activity, settling or discarding
// the changes, adding, renaming, duplicating and deleting sets. The editor window shows this state
// and forwards its events here; it answers the questions, shows the messages and hands over the
// rows of its grid through the callbacks it gives.
//
// Every write is checked: one that fails is reported with message 120 and nothing that depends
// on it is treated as done, so the set file, its backup and Grups.cfg never disagree with what
// the user was shown.
//
// The group's settings edited here are `sessio.grup`, the program's one in-memory ConfigGrup.
class JocsNivells {
public:
    // Yes/no question box; true is "Sí".
    using Pregunta = std::function<bool(const QString&)>;
    // Information message box.
    using Missatge = std::function<void(const QString&)>;
    // Rows 1.. of the grid of the shown activity.
    using Graella = std::function<QList<FilaGraella>()>;
    // Hourglass pointer on (true) and off while an answer is carried out.
    using Ocupat = std::function<void(bool)>;

    // The `OpcCfg` buttons that type a name.
    enum class Opcio { Afegir = 0, Editar = 1 };

    JocsNivells(Sessio& sessio, Pregunta pregunta, Missatge missatge, Graella graella);

    void posaOcupat(Ocupat ocupat) { ocupat_ = std::move(ocupat); }

    // The window opens: activity 1 shown, the list filled and the group's set (or the first entry)
    // selected and opened.
    void Obre();

    const QStringList& llista() const { return llista_; }
    int seleccionat() const { return seleccionat_; }
    const QString& JocObert() const { return jocObert_; }
    bool Modificat() const { return modificat_; }
    int ActivitatActual() const { return activitatActual_; }
    const ConfigGrup& CopiaGrup() const { return copiaGrup_; }
    // How many times a set was opened: the window loads its grid afresh when this moves, and
    // otherwise keeps the edits it shows.
    int obertures() const { return obertures_; }

    // An edit of the grid made in the window.
    void marcaModificat() { modificat_ = true; }

    // Choosing entry `index` of the list: settles the open set when another is chosen (or when
    // the open one is chosen again with changes pending), then opens the chosen one. False, with
    // the open set kept, when it could not be settled.
    bool Selecciona(int index);

    // Opens the set, creating its file from the defaults when missing, and takes its backup; a
    // failure of either is reported, the set being opened all the same.
    void ObreJoc(const QString& nom);

    // Takes the ".ni2" copy afresh, as opening does; for the window to call after printing, which
    // settles the set and leaves it open. Refused (false) while changes are pending; a copy that
    // fails is reported.
    bool PrenCopiaSeguretat();

    // Writes rows 1..Nivells of the shown activity into the open set (rows beyond `files` are
    // left as they are on disk). False when a record could not be written.
    bool DesaActivitat(const QList<FilaGraella>& files);

    // Settles the open set: on "Sí" the shown activity and the group record are stored, on "No"
    // the set file and the group's settings go back to their state at opening. When "Sí" cannot
    // store them, the changes stay pending with their backup and the result is false; a "No"
    // that cannot put the file back is reported and counts as settled.
    bool ArxivarConfig();

    // Tab switch: stores the activity that was shown when there are changes, then shows `a`.
    // False, with the activity still shown, when it could not be stored.
    bool CanviaActivitat(int a);

    // The grid rows of the shown activity, levels 1..Nivells, read from the open set.
    QList<FilaGraella> CarregaActivitat();
    // One row as the grid shows level `nivell` of activity `a` of the open set.
    FilaGraella fila(int a, int nivell) const;
    // The grid's text of `d` as a level of activity `a`, and back: the numbers a row stands for,
    // held to the activity's limits.
    FilaGraella filaDe(int a, const DadesNivell& d) const;
    DadesNivell llegeixFila(int a, const FilaGraella& fila) const;

    // Number of levels in use for the shown activity; a stored 0 (or a damaged value above 10)
    // is made 10 in the group's record.
    int nivellsMostrats();
    // `MésNivells`: the row of the level added, or nothing at ten levels.
    std::optional<FilaGraella> MesNivells();
    // `MenysNivells`: false at one level.
    bool MenysNivells();
    // `Incloure` clicked: false (and message 61) when it would leave the workbook with no
    // activity; the box must then be ticked again.
    bool CanviaIncloure(bool inclosa);
    void CanviaOpcResta(bool ambResta);

    // Enter in `NouNom`: true when a set was added or renamed. An invalid name gives message 117,
    // an existing file 118; neither changes a file. A name a group's record could not hold as it
    // is (over 100 Windows-1252 bytes, or a character outside that code page) is invalid.
    bool EntraNom(const QString& text, Opcio opcio);
    // `Duplicar`: copies the selected set to "N (k)" with the smallest free k and opens it; N is
    // shortened so that the copy's name fits a group's record. False when no copy was made.
    bool Duplica();
    // `Eliminar`: after "Sí", deletes the open set and opens the first entry. False on "No" and
    // when the set's file cannot be removed.
    bool Elimina();

    // The sets of `carpeta`'s Inf/Niv: every "*.niv" file, without the extension, sorted by name
    // (case-insensitive first, then case-sensitive, so the order never depends on the file
    // system). A file whose name would not map back to itself through RutaNivell is left out.
    static QStringList llistaFitxers(const QString& carpeta);

    // Only the characters "0" to "9" of `text`, in order.
    static QString NomesXifres(const QString& text);

private:
    QString rutaNiv(const QString& nom) const;
    QString rutaNi2(const QString& nom) const;
    QString text(int id) const;
    void avisa(int id);
    void seleccionaNou(const QString& nom);
    bool prenCopia();

    Sessio& sessio_;
    Pregunta pregunta_;
    Missatge missatge_;
    Graella graella_;
    Ocupat ocupat_;

    QStringList llista_;
    int seleccionat_ = -1;
    QString jocObert_;
    bool modificat_ = false;
    // The ".ni2" file holds the open set as it was at opening (or after printing).
    bool copia_ = false;
    int obertures_ = 0;
    ConfigGrup copiaGrup_;
    int activitatActual_ = 1;
};
