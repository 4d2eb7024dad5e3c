#pragma once

#include <QColor>
#include <QFrame>

// A rounded panel of the front page (the title frame, the pupil bar, the filler under the list),
// painted directly: a fill and an outline of the given width, solid or dashed.
class Marc : public QFrame {
    Q_OBJECT
public:
    struct Estil {
        QColor fons;
        QColor vora;
        qreal gruix = 1;
        qreal radi = 8;
        Qt::PenStyle linia = Qt::SolidLine;
    };

    Marc(const Estil& estil, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Estil estil_;
};
