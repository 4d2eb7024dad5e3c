#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// A printed page as the layout leaves it: what goes where, in millimetres from the top-left
// corner of the A4 sheet (210 × 297), for any paged device to paint.
struct ElementFitxa {
    enum class Tipus {
        Text,  // `text` in `caixa`, at `punts` points, aligned by `alineacio` (Qt::Alignment)
        Caixa, // an empty box to write in
        Linia, // a line from the top-left to the bottom-right corner of `caixa` (a rule: height 0)
        Quadricula // a light squared grid filling `caixa`, squares of `cella` mm
    };
    Tipus tipus = Tipus::Text;
    QRectF caixa;
    QString text;
    double punts = 12;
    bool negreta = false;
    int alineacio = 0x0001 | 0x0080; // Qt::AlignLeft | Qt::AlignVCenter
    double cella = 0;
};

struct PaginaFitxa {
    QList<ElementFitxa> elements;
};

// The sheet's printable area in mm: inside it every element stands.
inline constexpr QRectF kAreaFitxa(15, 12, 180, 273);
