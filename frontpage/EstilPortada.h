#pragma once

#include "frontpage/BotoArrodonit.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

// The colours the front page's own controls share.
namespace EstilPortada {

inline const QColor kFons(0xFF, 0xF1, 0xD0);         // the page
inline const QColor kCarta(0xFF, 0xFD, 0xF6);        // buttons and cards
inline const QColor kFocus(0xE4, 0x57, 0x2E);        // the outline of the focused control
inline const QColor kVoraInactiva(0xD8, 0xCD, 0xB8); // the outline of a disabled button
inline const QColor kVoraTaronja(0xD9, 0xA9, 0x5A);  // the tab pane and the tools
// The tools and the exit: cards that warm up under the mouse.
inline const BotoArrodonit::Estil kEstilEina{kCarta,
                                             kVoraTaronja,
                                             QColor(0xFF, 0xF0, 0xC8),
                                             QColor(0xF5, 0xD3, 0x8C),
                                             kFocus,
                                             QColor(0xEF, 0xE8, 0xDA),
                                             kVoraInactiva,
                                             1,
                                             3,
                                             8};

inline void colorText(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

// `lletra` at `punts` points, bold or not, in the face it already has.
inline QFont mida(QFont lletra, int punts, bool negreta) {
    lletra.setPointSize(punts);
    lletra.setBold(negreta);
    return lletra;
}

} // namespace EstilPortada
