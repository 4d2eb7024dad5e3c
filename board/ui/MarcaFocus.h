#pragma once

#include <QWidget>

// The ring that shows which control of the board the keyboard is on, drawn over the board around
// it: yellow inside a dark edge, so that it shows on the slate, on the scoreboard and on the
// light wall alike. It follows the focus moved with the keyboard only; a click, which sends the
// focus back to the keyboard box, takes it away.
class MarcaFocus : public QWidget {
    Q_OBJECT
public:
    explicit MarcaFocus(QWidget* finestra);

    // Shows the ring around `control` while it has the focus from the keyboard.
    void vigila(QWidget* control);

protected:
    bool eventFilter(QObject* objecte, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void envolta(QWidget* control);
};
