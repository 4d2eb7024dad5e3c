#pragma once

#include "board/ui/PanellActivitat.h"
#include "core/LiniaResposta.h"
#include "core/TipusActivitat.h"

#include <QString>
#include <functional>

class QLabel;

// What the number panel reads from the activity that runs on it: the question and the answer
// line. Cardinals, ordinals, Roman numerals and tables each expose both the same way.
struct FontNombres {
    std::function<QString()> pregunta;
    std::function<const LiniaResposta&()> linia;

    template <class A> static FontNombres de(const A& a) {
        const A* p = &a;
        return {[p] { return p->pregunta(); },
                [p]() -> const LiniaResposta& { return p->linia(); }};
    }
};

// `PanelNombres`, the panel of cardinals, ordinals, Roman numerals and tables: the question
// `Pregunta`, the answer line `lblSolució` with what the pupil has typed right so far, and the
// cursor `Senyal` just after it, grey, or red after a wrong character. Tables add the sign `Per`
// and write everything large.
class PanelNombres : public PanellActivitat {
    Q_OBJECT
public:
    PanelNombres(Activitat& activitat, FontNombres font, TipusActivitat tipus,
                 QWidget* parent = nullptr);

    void refresca() override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void disposa();
    void ajustaPregunta();

    FontNombres font_;
    TipusActivitat tipus_;
    QLabel* pregunta_;
    QLabel* per_;
    QLabel* solucio_;
    QLabel* senyal_;
};
