#include "frontpage/RotolEscalat.h"

#include "core/ui/Lletra.h"

#include <QPainter>

void RotolEscalat::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont cara = Lletra::negreta();
    p.setFont(cara);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    Lletra::textEscalat(p, contentsRect(), int(alignment()), text(),
                        font().pointSizeF() / cara.pointSizeF());
}
