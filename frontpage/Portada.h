#pragma once

#include "frontpage/EstatPortada.h"

#include <QMainWindow>
#include <functional>

struct Sessio;
class SoundPlayer;
class GraellaAlumnes;
class PaginaGrups;
class PanelAlumnes;
class PersianaEines;
class Pestanyes;
class Sanefa;
class QPushButton;

// The main window: the groups, the activity tabs and the group's pupil list, the teacher's tools
// behind two blinds, and the exit. It puts the pages together and routes their events to the
// state and to the windows it opens, every one of them modally.
class Portada : public QMainWindow {
    Q_OBJECT
public:
    // Runs the visible part of the start-up (the rest ran before): layout for the screen, the
    // texts of the current language, the chosen group and its sound.
    Portada(Sessio& sessio, SoundPlayer& so, QWidget* parent = nullptr);

    // Asks for the access password before a blind opens (when the prompt is switched on); true
    // grants access. The password prompt `Pas` unless replaced.
    void setDemanaClau(std::function<bool()> demanaClau) { demanaClau_ = std::move(demanaClau); }
    // Opens the password change window (`Contrasenya` unless replaced).
    void setCanviaClau(std::function<void()> canviaClau) { canviaClau_ = std::move(canviaClau); }
    // Opens the exercise board for the selected pupil, tab and level; returns when it closes.
    void setObrePissarra(std::function<void()> obrePissarra) {
        obrePissarra_ = std::move(obrePissarra);
    }
    // With animations off the blinds reach their end at once.
    void setAnimacions(bool animacions);

    void TancaPersiana();
    void TancaPersiana0();
    void aplicaIdioma();
    void refrescaActivitats();
    // Pressing the pupil's picture: the checks, then the board.
    void iniciaPissarra();

    const EstatPortada& estat() const { return estat_; }

public slots:
    // The board passed a level of `activitat`: the selected row's cell and `tNivell` show `text`.
    void nivellSuperat(int activitat, const QString& text);

private:
    class Receptor;

    void construeix();
    void construeixSortida(QWidget* fons);
    void ordreTabulacio();
    void ordreTabulacioGraella(GraellaAlumnes* graella);
    void disposaPerPantalla();

    void grupPremut(int grup);
    void pestanyaCanviada(int nova);
    void filaCanviada(int fila);
    void einaPremuda(int index);
    void persianaPremuda(PersianaEines* eines);
    void tancaLaPersiana(PersianaEines* eines);

    QPushButton* eina(int index) const;
    void mostraPanel(bool panel);
    void mostraLlista();
    void mostraSeleccio();
    void nomenaHistorial();
    void imprimeixLlista();
    void obreLaPissarra();
    void editaRegistres(int mode); // the records editor in mode 0 add, 1 edit, 2 delete

    Sessio& sessio_;
    SoundPlayer& so_;
    EstatPortada estat_;
    std::function<bool()> demanaClau_;
    std::function<void()> canviaClau_;
    std::function<void()> obrePissarra_;

    Pestanyes* llistes_ = nullptr;
    Sanefa* sanefa_ = nullptr;
    PaginaGrups* pGrups_ = nullptr;
    QWidget* pSortida_ = nullptr;
    QPushButton* bSortida_ = nullptr;
    PersianaEines* pPortada_ = nullptr; // tools 0..2 behind `Persiana0`
    PanelAlumnes* panel_ = nullptr;
    PersianaEines* pEines_ = nullptr; // tools 3..10 behind `Persiana`
};
