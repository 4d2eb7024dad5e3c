#pragma once

#include "board/EntornSerie.h"
#include "board/Persiana.h"
#include "board/Teclats.h"
#include "core/Atzar.h"
#include "core/ConfigGrup.h"
#include "core/ContextActivitat.h"
#include "core/IdsText.h"
#include "core/Registre.h"
#include "core/TipusActivitat.h"
#include "levels/DadesNivell.h"

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class Activitat;
struct Sessio;

// What the front page hands to the board when it opens it for one pupil and one activity.
struct ObreSerie {
    QString carpeta; // the program folder
    int grup = 1;    // `GrupActual`, which names the group's record file
    int idioma = 0;
    int separador = 0;     // `ConfigGeneral.Separador`
    ConfigGrup configGrup; // `Nivells`, `OpcResta` and the level-set name `NomNivell`
    Registre registre;     // the pupil
    int posicio = 0;       // the pupil's record position in the group's file (column 11)
    TipusActivitat activitat = TipusActivitat::Cardinals;
    uint32_t llavor = 0; // seed of the board's random source

    // `activitat` is the front page's tab, 1..9; a number outside opens the nearest activity.
    static ObreSerie deSessio(const Sessio& s, int activitat, int posicio, uint32_t llavor);
};

// What the window does with a physical key it handed to the series.
struct ResultatTecla {
    bool consumida = false; // not to be passed on to the window's own handling
    bool tanca = false;     // the key acted as the continue button and the board must close
};

// One exercise series on the board `Pissarra`: the level played, the three counters, the clock,
// the message button, the wait option, the routing of every key to the activity, and the end of
// the series with its history line and stored level. The window only draws this state and
// forwards its events; a whole series can be played here without a widget.
class Serie : public QObject, public ContextActivitat {
    Q_OBJECT
public:
    using CreaActivitat =
        std::function<std::unique_ptr<Activitat>(int activitat, ContextActivitat& ctx)>;

    Serie(ObreSerie dades, EntornSerie entorn, CreaActivitat crea, QObject* parent = nullptr);
    ~Serie() override;

    // The board's opening: reads the level (creating a missing level set with the defaults), sets
    // the counters, sets up the activity with its first exercise and starts the clock.
    void obre();

    // --- What the window shows
    QString titol() const;
    QString etiqueta(int i) const;                      // `Etiqueta`(0..2)
    QString dades(int i) const;                         // `Dades`(0..2): number, name, level
    bool mostraImatge() const;                          // the pupil has a picture of his own
    QString textAfirmatives() const;                    // `Afirmatives`
    QString textNegatives() const;                      // `Negatives`: " " once exhausted
    QString textRellotge() const;                       // `Rellotge`
    bool btTxtVisible() const { return btTxtVisible_; } // `BtTxt` and the pointer `Pulsa`
    QString textBtTxt() const;
    bool sortida() const { return sortida_; } // the tag "Sortida": `BtTxt` closes the board
    bool btEsperaVisible(int i) const { return (i == 0) == esperaActiva_; }
    bool teclatActiu() const { return teclatActiu_; } // `ActivaTeclat`: keys, `Persiana`, list
    int teclatVisible() const;                        // `Teclat` panel shown, -1 none
    const Teclats& teclats() const { return teclats_; }
    // The current exercise was completed and stays on the board: the multiplication cursor
    // `Torn` is hidden and, in division, the end mark `Acabada` is shown.
    bool exerciciTancat() const { return exerciciTancat_; }
    bool acabadaVisible() const { return exerciciTancat_ && activitat_ == TipusActivitat::Dividir; }
    const Persiana& persiana() const { return persiana_; }
    const Persiana& marcador() const { return marcador_; }

    // --- State
    TipusActivitat tipus() const { return activitat_; }
    Activitat* activitat() const { return act_.get(); }
    const DadesNivell& nivell() const { return nivell_; }
    const Registre& registre() const { return dades_.registre; }
    bool rellotgeEnMarxa() const { return rellotgeEnMarxa_; } // `Timer1` enabled
    bool acabada() const { return acabada_; }                 // `FinalSerie` has run
    bool tancada() const { return tancada_; }
    // True once after a history line could not be written, unless the message button already
    // says that the files cannot be written: the window then tells the user.
    bool prenAvisNoDesat();

    // --- Events of the window
    void tic(); // `Timer1`, every second
    // `BtTxt` click. True when the board must close (tag "Sortida").
    bool continua();
    // `BtTancar`: writes the "Abandona" line while the series is on. True: the board closes.
    bool BtTancar();
    // Any close of the window; writes the "Abandona" line while the series is on (an ended
    // series already has its line, and the board's own closes add nothing).
    bool tancaDesDeFora();
    // A physical key: `codi` is a Qt::Key, `text` the characters it types.
    ResultatTecla tecla(int codi, const QString& text);
    void clicTecla(int index); // on-screen key `Tecla`(index)
    void ajuda();              // `BtAjuda`
    void canviaEspera();       // either `BtEspera` button
    // In the ordering activity `Persiana` is the check button, which belongs to the activity.
    bool persianaComprova() const { return activitat_ == TipusActivitat::Ordenacio; }
    // The blind and the scoreboard: the heights of each step of the roll (empty when the blind
    // does not roll).
    QList<int> clicPersiana();
    QList<int> clicMarcador();

    // --- Board operations
    void NovaOperacio();

    // --- ContextActivitat
    void RespostaCorrecta(int missatgeEspera = IdText::kOperacioFinalitzada) override;
    void RespostaErronia() override;
    void mostraMissatge(int id) override;
    int missatge() const override { return missatge_; }
    bool ajudaDemanada() const override { return ajudaDemanada_; }
    bool esperaActiva() const override { return esperaActiva_; }
    int parametre1() const override { return nivell_.Parametre1; }
    int parametre2() const override { return nivell_.Parametre2; }
    int separador() const override { return dades_.separador; }
    int idioma() const override { return dades_.idioma; }
    bool ambResta() const override { return ambResta_; }
    Atzar& atzar() override { return atzar_; }

signals:
    void canviat();

private:
    bool enJoc() const { return !acabada_ && !tancada_; }
    void FinalSerie();
    void ActivaTeclat(bool actiu) { teclatActiu_ = actiu; }
    void mostraBtTxt(int id);
    void so(const char* nom);
    void anotaHistorial(int idResultat);
    // Stores the new level in the pupil's record file; false, with nothing changed, when the
    // record cannot be written.
    bool desaNivell(int nou);
    QString text(int id) const;

    ObreSerie dades_;
    EntornSerie entorn_;
    CreaActivitat crea_;
    TipusActivitat activitat_;
    bool ambResta_;
    Atzar atzar_;
    Teclats teclats_;
    Persiana persiana_ = Persiana::deLaPissarra();
    Persiana marcador_ = Persiana::marcador();
    std::unique_ptr<Activitat> act_;

    DadesNivell nivell_;
    int nivellJugat_ = 0;
    std::array<QString, 3> dadesText_;
    int afirmatives_ = 0;
    int negatives_ = 0;
    bool esgotats_ = false; // the errors counter is exhausted
    int rellotge_ = 0;
    bool rellotgeEnMarxa_ = false;

    int missatge_ = 0; // string id on `BtTxt`, 0 for an empty caption
    bool btTxtVisible_ = false;
    bool sortida_ = false;
    bool esperaActiva_ = false; // `BtEspera`(0) visible
    bool teclatActiu_ = true;
    bool ajudaDemanada_ = false;
    bool exerciciTancat_ = false;
    bool acabada_ = false;
    bool tancada_ = false;
    bool historialNoDesat_ = false;
    bool avisNoDesatDonat_ = false;
};
