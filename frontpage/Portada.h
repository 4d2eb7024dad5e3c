#pragma once

#include "frontpage/EstatPortada.h"

#include <QMainWindow>
#include <array>
#include <functional>

struct Sessio;
class SoundPlayer;
class BotoGrup;
class BotoPersiana;
class Pestanyes;
class Sanefa;
class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

// The main window: the groups, the activity tabs and the group's pupil list, the teacher's tools
// behind two blinds, and the exit. Every other window opens modally from here.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Receptor;

    void construeix();
    void construeixGrups(QWidget* fons);
    void construeixPanel(QWidget* fons);
    void construeixBarres(QWidget* fons);
    // The pupil grid `Relació`, built on first use.
    QTableWidget* graella();
    void ordreTabulacio();
    void disposaPerPantalla();
    void coloraGraellaPocsColors();

    void grupPremut(int grup);
    void pestanyaCanviada(int nova);
    void filaCanviada(int fila);
    void einaPremuda(int index);
    void persianaPremuda(int quina);

    void mostraPanel(bool panel);
    void ompleGraella();
    void formataGraella();
    void posaAmples(const std::array<int, 13>& amples);
    void mostraSeleccio();
    void imprimeixLlista();
    void obreLaPissarra();
    void editaRegistres(int mode); // the records editor in mode 0 add, 1 edit, 2 delete
    void obrePersiana(int quina);
    void tancaPersiana(int quina);

    Sessio& sessio_;
    SoundPlayer& so_;
    EstatPortada estat_;
    std::function<bool()> demanaClau_;
    std::function<void()> canviaClau_;
    std::function<void()> obrePissarra_;
    bool omplint_ = false;

    Pestanyes* llistes_ = nullptr;
    Sanefa* sanefa_ = nullptr;
    QWidget* pGrups_ = nullptr;
    QFrame* frame1_ = nullptr;
    QLabel* programa_[2] = {};
    QLabel* autor_ = nullptr;
    QLabel* data_ = nullptr;
    BotoGrup* grups_[17] = {};
    QPushButton* command1_ = nullptr;
    QWidget* panel_ = nullptr;
    QFrame* frame2_ = nullptr;
    QLabel* lblNumero_ = nullptr;
    QLabel* lblNivell_ = nullptr;
    QLabel* lblNom_ = nullptr;
    QLabel* tNumero_ = nullptr;
    QLabel* tNom_ = nullptr;
    QLabel* tNivell_ = nullptr;
    QTableWidget* relacio_ = nullptr;
    QFrame* farcit_ = nullptr;
    QPushButton* imatgeGrup_ = nullptr;
    QPushButton* semafor_ = nullptr;
    QWidget* pEines_ = nullptr;
    QWidget* pPortada_ = nullptr;
    QWidget* pSortida_ = nullptr;
    QPushButton* bEines_[9] = {};
    QPushButton* bSortida_ = nullptr;
    BotoPersiana* persiana_[2] = {}; // Persiana (vertical), Persiana0 (horizontal)
    QLabel* pany_[2] = {};
};
