#pragma once

#include "core/LlistaAlumnes.h"
#include "core/TipusActivitat.h"

#include <QList>
#include <QRect>
#include <array>

// Where every control of the front page sits, in twips inside its container, and the rules that
// move or resize them: the tall-screen adjustment, the grid's shape for a list and the steps of
// the two blinds. Pure geometry, so that it can be checked without a window.
namespace DisposicioPortada {

// The window's own area (the form), and the controls placed directly on it.
inline constexpr int kAmpleFinestra = 9735;
inline constexpr QRect kLlistes{240, 120, 9255, 6360};
inline constexpr QRect kGrups{480, 720, 8560, 4430};
inline constexpr QRect kPanel{360, 510, 9015, 5865};
inline constexpr QRect kSortida{480, 5520, 1275, 675};
inline constexpr QRect kPortada{3630, 5520, 5430, 675};

// Inside pGrups.
inline constexpr QRect kFrame1{1230, 1470, 6030, 1410};
inline constexpr QRect kCommand1{1215, 1455, 6075, 1455};
inline constexpr int kAmpleGrup = 1215;
inline constexpr int kAltGrup = 1455;
// Group button 1..16 in its ring: 1..7 along the top, 8 and 9 at the ends of the middle row,
// 10..16 along the bottom, in reading order.
QRect grup(int n);

// Inside Frame1: the title twice (the shadow 15 twips off), the credit line and the date.
inline constexpr QRect kPrograma0{135, 75, 5760, 690};
inline constexpr QRect kPrograma1{120, 60, 5760, 690};
inline constexpr QRect kAutor{120, 780, 5790, 315};
inline constexpr QRect kData{120, 1080, 5790, 270};

// Inside Panel.
inline constexpr QRect kFrame2{0, 120, 7335, 720};
inline constexpr int kXRelacio = 0;
inline constexpr int kYRelacio = 960;
inline constexpr int kAmpleRelacio = 7335;
inline constexpr QRect kImatgeGrup{7620, 120, 1215, 1335};
inline constexpr QRect kEines{7620, 1560, 1215, 4155};
inline constexpr int kFonsFarcit = 5670; // lowest edge of the filler under the grid

// Inside Frame2: heading over value, three columns.
struct ColumnaBarra {
    int x;
    int ample;
};
inline constexpr std::array<ColumnaBarra, 3> kBarra{{{240, 765}, {1200, 4935}, {6360, 765}}};
inline constexpr int kYTitolBarra = 60;
inline constexpr int kYValorBarra = 300;
inline constexpr int kAltTitolBarra = 240;
inline constexpr int kAltValorBarra = 360;

// Tool button 0..10: 3..10 inside pEines, stacked under the open blind; 0..2 inside pPortada, in
// the order 1, 0, 2 from the left.
QRect eina(int index);

// Inside pSortida.
inline constexpr QRect kBotoSortida{30, 30, 1215, 615};

// The blinds and their locks. The vertical blind keeps its top and changes its height; the
// horizontal one keeps its left edge and changes its width.
inline constexpr QRect kPersiana{60, 0, 1095, 4095};
inline constexpr int kPersianaOberta = 405;
inline constexpr QRect kPersiana0{0, 0, 5370, 615};
inline constexpr int kPersiana0Oberta = 465;
inline constexpr int kMidaPany = 240;
inline constexpr int kPanyTancat = 3900; // top of Pany
inline constexpr int kPanyObert = 210;
inline constexpr int kXPany = (1215 - kMidaPany) / 2;
inline constexpr int kPany0Tancat = 5160; // left of Pany0
inline constexpr int kPany0Obert = 270;
inline constexpr int kYPany0 = (615 - kMidaPany) / 2;

// Where closing starts: the vertical blind from its open height, the horizontal one from 450.
inline constexpr int kIniciTancarPersiana = 405;
inline constexpr int kIniciTancarPersiana0 = 450;

// One blind over its tools, inside its panel: where it lies closed, the size it opens to along
// its moving edge, where closing starts, and its lock while shut and once open.
struct GeometriaPersiana {
    Qt::Orientation orientacio;
    QRect tancada;
    int oberta;
    int iniciTancar;
    QRect pany;
    QPoint panyObert;
    int primeraEina, darreraEina;

    // The size along the moving edge while closed.
    constexpr int mida() const {
        return orientacio == Qt::Vertical ? tancada.height() : tancada.width();
    }
};
// `Persiana` over tools 3..10 of the list page, `Persiana0` over tools 0..2 of the groups page.
inline constexpr GeometriaPersiana kPersianaEines{Qt::Vertical,
                                                  kPersiana,
                                                  kPersianaOberta,
                                                  kIniciTancarPersiana,
                                                  {kXPany, kPanyTancat, kMidaPany, kMidaPany},
                                                  {kXPany, kPanyObert},
                                                  3,
                                                  10};
inline constexpr GeometriaPersiana kPersianaPortada{Qt::Horizontal,
                                                    kPersiana0,
                                                    kPersiana0Oberta,
                                                    kIniciTancarPersiana0,
                                                    {kPany0Tancat, kYPany0, kMidaPany, kMidaPany},
                                                    {kPany0Obert, kYPany0},
                                                    0,
                                                    2};

// The sizes a blind passes through while it opens or closes, last one included.
QList<int> passosObrir(int tancada, int oberta);
QList<int> passosTancar(int tancada, int desDe);

// The containers the tall-screen adjustment moves or resizes.
struct Contenidors {
    QRect llistes = kLlistes;
    QRect grups = kGrups;
    QRect panel = kPanel;
    QRect sortida = kSortida;
    QRect portada = kPortada;
    // The window's client area: the tab control with a margin below as wide as the one above.
    int altFinestra() const { return llistes.y() + llistes.height() + llistes.y(); }
};

// On a screen taller than 7200 twips the groups and the two bottom bars move down 210, the list
// page 180, and the tab control reaches down to 2220 twips above the screen's lower edge.
Contenidors perPantalla(int alcadaPantalla);

// The frieze in the room a tall screen leaves between the pages and the tab control's lower edge;
// empty when there is too little room for it.
QRect llocSanefa(const Contenidors& c);

// The grid `Relació` for `files` rows (heading included) showing the level of `activitat`.
struct FormaGraella {
    std::array<int, LlistaAlumnes::kColumnes> amples{}; // column widths
    bool barra = false;                                 // vertical scroll bar
    int alcada = 0;
    QRect farcit; // the shape under the grid, inside Panel
};
FormaGraella forma(TipusActivitat activitat, int files, bool buida);
// The widths when the list is empty and only the activity changes.
std::array<int, LlistaAlumnes::kColumnes> amplesLlistaBuida(TipusActivitat activitat);

inline constexpr int kAltFila = 285;

} // namespace DisposicioPortada
