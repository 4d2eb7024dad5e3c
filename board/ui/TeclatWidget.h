#pragma once

#include <QList>
#include <QWidget>

class QPushButton;
class Teclats;

// One on-screen keyboard of the board, `Teclat`(panell): (0) the ten digits, (1) the digits and
// the extra key, (2) the Roman letters, laid out like a calculator's keypad. Each key `Tecla`(i)
// shows what it types; a click reports the key's index once.
class TeclatWidget : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAmpleTecla = 76; // board units
    static constexpr int kAltTecla = 70;
    static constexpr int kEspai = 8;

    TeclatWidget(int panell, const Teclats& teclats, QWidget* parent = nullptr);

    int panell() const { return panell_; }
    // Key `Tecla`(index) of this keyboard, null when it holds no such key.
    QPushButton* tecla(int index) const;
    // `ActivaTeclat`: keys take clicks only while the pupil may answer.
    void activa(bool actiu);

signals:
    void premuda(int index);

private:
    int panell_;
    QList<QPushButton*> tecles_;
};
