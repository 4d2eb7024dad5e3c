#pragma once

#include "board/FabricaActivitats.h"
#include "board/Serie.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <array>
#include <memory>

class PanellActivitat;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class SoundPlayer;
class TeclatWidget;

// The pictures the front page lends the board.
struct ImatgesPissarra {
    QPixmap alumne; // what the front page shows for the pupil (`ImatgeGrup`)
    QPixmap animal; // the animal of the pupil's group
};

// `Pissarra`, the blackboard on which a pupil works one exercise series. Modal and created for
// one series: it opens the series at once, draws its state (counters, clock, message button,
// keyboards, the activity's panel) and forwards every click, key and clock tick to it. It closes
// when the series says so; any other close leaves an "Abandona" line through the series.
class Pissarra : public QDialog {
    Q_OBJECT
public:
    Pissarra(ObreSerie dades, EntornSerie entorn, ImatgesPissarra imatges = {},
             Serie::CreaActivitat crea = FabricaActivitats::crea, QWidget* parent = nullptr);
    ~Pissarra() override;

    // Draws the board's background and finds the fonts of its symbols ahead of time (the front
    // page does it while idle after start-up), so the first board opens as fast as the next ones.
    static void preparaFons(qreal dpr);

    Serie& serie() const { return *serie_; }
    PanellActivitat* panell() const { return panell_; }

    // One beat of the clock `Timer1`, now.
    void tic();
    // Puts the blind and the scoreboard where their running roll ends.
    void acabaAnimacions();

    void done(int r) override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void construeix();
    void construeixFitxa();
    void construeixMarcador();
    void construeixBotons();
    void llegeixExercici();
    void llegeixMarcador();
    PanellActivitat* creaPanell();
    void refresca();
    void tornaFocus();
    // The pupil's history file could not take the series' line.
    void avisaNoDesat();

    void clicTecla(int index);
    void clicBtTxt();
    void clicBtTancar();
    void clicAjuda();
    void clicEspera();
    void clicPersiana();
    void clicMarcador();
    void pasAnimacio();
    void posaPersiana(int alcada, int pom);
    void posaMarcador(int alcada, int pom);

    QString text(int id) const;
    void pintaFons();

    std::unique_ptr<Serie> serie_;
    ImatgesPissarra imatges_;
    int idioma_;
    SoundPlayer* so_; // lent to the panels that make sounds of their own

    QTimer* timer1_ = nullptr;
    QTimer* animacio_ = nullptr;
    QList<int> passosPersiana_;
    QList<int> passosMarcador_;

    std::array<QLabel*, 3> etiqueta_{};
    std::array<QLabel*, 3> dades_{};
    QPushButton* imatge_ = nullptr;
    QLabel* animal_ = nullptr;
    QPushButton* marcador_ = nullptr;
    QLabel* pom2_ = nullptr;
    QLabel* afirmatives_ = nullptr;
    QLabel* negatives_ = nullptr;
    QLabel* rellotge_ = nullptr;
    QPushButton* persiana_ = nullptr;
    QLabel* pom_ = nullptr;
    QPushButton* btTxt_ = nullptr;
    QLabel* pulsa_ = nullptr;
    std::array<QPushButton*, 2> btEspera_{};
    QPushButton* btAjuda_ = nullptr;
    QPushButton* btTancar_ = nullptr;
    QFrame* caixaTeclat_ = nullptr;
    std::array<TeclatWidget*, 3> teclats_{};
    PanellActivitat* panell_ = nullptr;

    QPixmap fons_; // the furniture, drawn once per size and pixel ratio
};
