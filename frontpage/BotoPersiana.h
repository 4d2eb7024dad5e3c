#pragma once

#include <QAbstractButton>
#include <QList>
#include <QTimer>
#include <functional>

// A blind of the front page: a slatted button drawn over a tool panel. It rolls up or down in
// fixed steps of its size (twips), one step per timer tick, or at once when animations are off.
// Its top edge (vertical) or left edge (horizontal) stays where it is.
class BotoPersiana : public QAbstractButton {
    Q_OBJECT
public:
    BotoPersiana(Qt::Orientation orientacio, QWidget* parent = nullptr);

    // Open or closed as the last movement leaves it (a moving blind already counts as arrived).
    bool oberta() const { return oberta_; }
    bool enMoviment() const { return temporitzador_.isActive(); }
    // The size along the moving edge, in twips.
    int mida() const { return mida_; }
    void setMida(int twips);

    // Passes through `passos` (twips); `final` runs once the last step is shown.
    void mou(const QList<int>& passos, bool obrir, std::function<void()> final);
    // Shows the last step of a movement at once.
    void acaba();
    void setAnimacio(bool animacio) { animacio_ = animacio; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void seguentPas();

    Qt::Orientation orientacio_;
    bool oberta_ = false;
    bool animacio_ = true;
    int mida_ = 0;
    QList<int> passos_;
    std::function<void()> final_;
    QTimer temporitzador_;
};
