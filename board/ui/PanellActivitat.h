#pragma once

#include "core/Activitat.h"

#include <QString>
#include <QWidget>

// The panel an activity works on, laid over the slate of the board. A panel only draws the state
// its activity exposes: it repaints whenever the activity reports a change, and the board asks it
// again whenever the series changes. The board creates the panel of its activity once, at
// opening, and knows nothing else of it.
class PanellActivitat : public QWidget {
    Q_OBJECT
public:
    PanellActivitat(Activitat& activitat, QWidget* parent) : QWidget(parent) {
        connect(&activitat, &Activitat::canviat, this, &PanellActivitat::refresca);
    }

    // Redraws everything from the activity's state; cheap enough to run on every change.
    virtual void refresca() = 0;

    // The ordering activity turns the blind `Persiana` into its check button: the caption it
    // shows there (the handle `Pom` is hidden then) and what a click on it does.
    virtual QString textPersiana() const { return {}; }
    virtual void clicPersiana() {}
};
