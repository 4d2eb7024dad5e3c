#pragma once

#include "board/ui/PanellActivitat.h"

#include <QPixmap>
#include <QString>
#include <array>
#include <functional>

class ActivitatOrdenar;
class QLabel;
class SoundPlayer;

// `PanelOrdenar`, the panel of activity 4: the six words `Paraula`(0..5), one under the other,
// that the pupil drags into increasing order. A word is dragged with the mouse onto another one;
// from the keyboard, Space or Enter lifts the focused word, the arrows carry it up and down and
// Space or Enter drops it where it stands (Escape puts it back). The blind `Persiana` becomes the
// button that has the order checked.
class PanelOrdenar : public PanellActivitat {
    Q_OBJECT
public:
    // `so` plays the sound of a drop that changed the list; `actiu` says whether the board takes
    // input at all (`ActivaTeclat`), the activity's own flag says whether the list may be edited.
    PanelOrdenar(ActivitatOrdenar& activitat, int idioma, SoundPlayer* so,
                 std::function<bool()> actiu = {}, QWidget* parent = nullptr);

    void refresca() override;
    QString textPersiana() const override;
    void clicPersiana() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool editable() const;
    int index(const QObject* o) const;
    // The word whose row holds `p` (panel coordinates), -1 outside the list.
    int indexA(QPoint p) const;
    // The word a drop event carries, -1 when it carries no word of this list.
    int origen(const QDropEvent* e) const;
    void disposa();
    void arrossega(int origen, QPoint agafada);
    void deixa(int origen, int desti);
    bool tecla(int i, int codi);
    void deixaDeTraginar();
    QPixmap contorn(int i) const;

    ActivitatOrdenar& act_;
    int idioma_;
    SoundPlayer* so_;
    std::function<bool()> actiu_;
    std::array<QLabel*, 6> paraula_{};

    int premuda_ = -1; // word under a pressed mouse button that may start a drag
    QPoint inici_;
    int traginada_ = -1; // word being dragged or carried from the keyboard
    int desti_ = -1;     // word it would be dropped on now
};
