#pragma once

#include "core/LlistaAlumnes.h"
#include "core/TipusActivitat.h"

#include <QList>
#include <QString>

struct Sessio;
class SoundPlayer;

// What the front page knows and decides: the chosen group and its activities, the open tab, the
// group's pupil list as read from its file, the selected pupil and the checks before a series.
// The window shows this state and forwards its events here.
class EstatPortada {
public:
    // What a tab change asks the window to show.
    enum class Canvi {
        Llegida,     // the list was read for the first time since the groups page
        Portada,     // back to the groups page
        Rellegida,   // the list was read again, the row number kept
        NomesAmples, // the list is empty: only the visible level column changes
        Cap,         // the same tab: nothing to do
    };
    // What pressing the pupil's picture comes to: nothing without a pupil, the board, or a
    // message saying why the board does not open.
    struct Inici {
        enum class Accio { Res, Comenca, Avisa };
        Accio accio = Accio::Res;
        int missatge = 0; // the message's string id, with Accio::Avisa

        bool operator==(const Inici&) const = default;
    };

    EstatPortada(Sessio& sessio, SoundPlayer& so);

    // Groups and activities.
    // Makes `grup` the current group, re-reads its activities and plays its sound. False, with
    // nothing done, when it already is the current group.
    bool triaGrup(int grup);
    // Re-reads the current group's record of Grups.cfg.
    void refrescaActivitats();
    // Tab 0 always; an activity tab when the group is offered that activity.
    bool pestanyaVisible(int pestanya) const;
    int pestanyesVisibles() const;
    // The window caption: " " + title + ": " + the group's name.
    QString titol() const;

    // Tabs and the pupil list.
    Canvi canviaPestanya(int nova);
    // The open tab: an activity's, or the groups page's own.
    TipusActivitat pestanya() const { return pestanya_; }
    // Reads the list again keeping the row number, then selects that row.
    void rellegeix();
    const QList<FilaAlumne>& files() const { return files_; }
    bool buida() const { return files_.isEmpty(); }
    int fila() const { return fila_; }
    // Record selection: `Registre` takes the row's record. Ignored outside the list.
    void seleccionaFila(int fila);

    // The pupil bar and the picture button, for the selected pupil; empty without one.
    QString numero() const;
    QString nom() const;
    QString nivell() const;
    bool imatgeActiva() const;
    // The pupil's picture file; empty when the record names none.
    QString rutaImatge() const;

    Inici comprovaInici() const;
    // The board passed a level of `activitat`: its cell in the selected row takes `text`, and the
    // selection is shown again.
    void nivellSuperat(int activitat, const QString& text);

    // Tools and blinds: the sounds they play.
    void einaPremuda(int index);
    void persianaPremuda();
    // Whether the list has room for one more pupil.
    bool potAfegir() const;

private:
    void llegeix();
    const FilaAlumne* filaActual() const;

    Sessio& sessio_;
    SoundPlayer& so_;
    TipusActivitat pestanya_ = TipusActivitat::Portada;
    QList<FilaAlumne> files_;
    int fila_ = -1;
};
