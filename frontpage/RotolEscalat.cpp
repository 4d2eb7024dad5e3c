#include "RotolEscalat.h"

#include "LletraPortada.h"

#include <QPainter>

void RotolEscalat::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont cara = LletraPortada::negreta();
    p.setFont(cara);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    LletraPortada::textEscalat(p, contentsRect(), int(alignment()), text(),
                               font().pointSizeF() / cara.pointSizeF());
}
