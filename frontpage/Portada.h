#pragma once

#include <QMainWindow>

struct Sessio;
class QLabel;
class QPushButton;

// The main window. For now it shows the title, the credit line, the current group and the
// language tool; the groups, tabs and pupil list come with the front page proper.
class Portada : public QMainWindow {
    Q_OBJECT
public:
    explicit Portada(Sessio& sessio, QWidget* parent = nullptr);

    void aplicaTextos();

private:
    void obreIdioma();

    Sessio& sessio_;
    QLabel* titol_;
    QLabel* credit_;
    QLabel* grup_;
    QPushButton* idioma_;
};
