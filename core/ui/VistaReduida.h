#pragma once

#include <QDialog>
#include <QGraphicsScene>

class QGraphicsProxyWidget;
class QGraphicsView;

// A window shown smaller than it is drawn, on a screen too small for it: the window is embedded
// in a graphics scene and the view scales it as a whole, so it keeps its proportions, its text
// stays vector-drawn and the mouse and keyboard reach it as before. The view follows the
// window's title, its size and its closing, and gives it back to its owner when it ends.
class VistaReduida : public QDialog {
public:
    VistaReduida(QWidget& finestra, double escala, QWidget* pare);
    ~VistaReduida() override;

protected:
    bool eventFilter(QObject* objecte, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ajustaMida();
    void acaba(int resultat);

    QWidget& finestra_;
    const double escala_;
    QGraphicsScene escena_;
    QGraphicsView* vista_;
    QGraphicsProxyWidget* proxy_;
    bool tancada_ = false;
};
