#pragma once

#include <QPixmap>
#include <QWidget>

struct Sessio;
class EstatPortada;
class GraellaAlumnes;
class QLabel;
class QPushButton;

// The list page `Panel`: the pupil bar `Frame2` (number, name and level of the selected pupil),
// the pupil grid `Relació` over a filler, and the pupil's picture `ImatgeGrup`, which starts the
// board. It shows the front page's state; the tools' blind beside the picture is placed in it
// from outside.
class PanelAlumnes : public QWidget {
    Q_OBJECT
public:
    PanelAlumnes(const Sessio& sessio, const EstatPortada& estat, QWidget* parent);

    // The grid, built the first time a list is shown.
    GraellaAlumnes* graella();
    QPushButton* imatge() const { return imatgeGrup_; }
    // The name the pupil bar shows.
    QString nom() const;
    // What the picture shows for a pupil without a picture of their own, at its size.
    QPixmap imatgePerDefecte() const;

    // The list's rows and the selected one, as the state has them.
    void omple();
    // The headings, the columns the tab shows and the grid's height for its rows.
    void formata();
    // Only the columns, for an empty list on another tab.
    void posaAmples();
    // The selected pupil in the bar and on the picture.
    void mostraSeleccio();
    // The selected row's cell of `activitat` shows `text`.
    void nivellSuperat(int activitat, const QString& text);
    // The grid is named after the current group.
    void anomenaGraella();
    void aplicaIdioma();

signals:
    void graellaCreada(GraellaAlumnes* graella);
    void filaCanviada(int fila);
    void imatgePremuda();

private:
    const Sessio& sessio_;
    const EstatPortada& estat_;
    QLabel* titols_[3] = {};
    QLabel* tNumero_ = nullptr;
    QLabel* tNom_ = nullptr;
    QLabel* tNivell_ = nullptr;
    GraellaAlumnes* relacio_ = nullptr;
    QWidget* farcit_ = nullptr;
    QPushButton* semafor_ = nullptr;
    QPushButton* imatgeGrup_ = nullptr;
};
