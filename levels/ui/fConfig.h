#pragma once

#include "core/TipusActivitat.h"
#include "levels/EdicioNivells.h"
#include "levels/JocsNivells.h"

#include <QDialog>

struct Sessio;
class SoundPlayer;
class GraellaNivells;
class PanelComptadors;
class PanelDivisio;
class PanelRang;
class PanelTaules;
class PanelXifres;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// The level editor: one level set chosen from the list of sets and the current group's settings,
// one activity at a time. The set's files and the group's settings are JocsNivells' business, the
// grid's rows and their rules EdicioNivells'; this window shows them and passes the user's acts
// on. Closing it, by any means, settles the set (`ArxivarConfig`).
class fConfig : public QDialog {
    Q_OBJECT
public:
    // Opens the editor modally over `parent` and returns when it closes. The caller re-reads the
    // group's settings afterwards.
    static void Obre(Sessio& sessio, QWidget* parent);

    fConfig(Sessio& sessio, SoundPlayer& so, QWidget* parent = nullptr);

    // False when changes could not be stored: they stay pending.
    bool ArxivarConfig();
    void done(int resultat) override;

    const JocsNivells& jocs() const { return jocs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void construeix();
    QWidget* construeixFulls();
    void posaTextos();

    // Event handlers.
    void triaJoc(int index);
    void opcioPremuda(int i);
    void nomEntrat();
    void tornaALlista();
    void fullPremut(int a);
    void nivellTriat(int fila);
    void comptadorMogut(int i, int valor);
    void incrementPremut(int i, int k);
    void parametreCanviat(int quin, int valor);
    void digitPremut(int quin, int valor, bool ambRatoli);
    void portantClicat(bool ambPortant);
    void mesNivellsPremut();
    void menysNivellsPremut();
    void incloureClicat(bool inclosa);
    void opcRestaClicat(bool ambResta);
    void imprimeix();

    // What the window shows.
    void mostraJoc();
    void mostraLlista();
    void mostraCanvis();
    void mostraActivitat(int fila);
    void SeleccionaNivell(int fila);
    void mostraParametres(int fila);
    void mouMarcador();
    // Calls `f` with the parameter panel that edits the levels of `activitat`.
    template <class F> void ambPanell(TipusActivitat activitat, F f);

    Sessio& sessio_;
    SoundPlayer& so_;
    JocsNivells jocs_;
    EdicioNivells edicio_;
    bool editorsCarregats_ = false;
    int oberturesMostrades_ = -1;
    int opcioTriada_ = 0;

    QComboBox* arxius_ = nullptr;
    QLineEdit* nouNom_ = nullptr;
    QPushButton* opcCfg_[5] = {};
    QFrame* quadre0_ = nullptr;
    QFrame* quadre1_ = nullptr;
    QPushButton* fulls_[10] = {};
    QFrame* marcador_ = nullptr;
    QLabel* etiqueta_ = nullptr;
    GraellaNivells* graella_ = nullptr;
    PanelComptadors* comptadors_ = nullptr;
    QStackedWidget* panells_ = nullptr;
    PanelRang* panel1_ = nullptr;
    PanelXifres* panel2_ = nullptr;
    PanelTaules* panel3_ = nullptr;
    PanelDivisio* panel4_ = nullptr;
    QLabel* nivellsEti_ = nullptr;
    QPushButton* mesNivells_ = nullptr;
    QPushButton* menysNivells_ = nullptr;
    QCheckBox* incloure_ = nullptr;
    QCheckBox* opcResta_ = nullptr;
    QPushButton* bTancar_ = nullptr;
};
