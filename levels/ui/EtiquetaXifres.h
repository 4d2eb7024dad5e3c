#pragma once

#include <QLabel>

// `Primer` and `Últim`: a number of up to nine digits whose text is the plain digits, drawn with
// each digit in its own ninth of the width, right under the digit button that changes it. Faint
// marks part the groups of three.
class EtiquetaXifres : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
