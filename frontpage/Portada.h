#pragma once

#include <QMainWindow>

struct Sessio;
class QLabel;

// The main window. For now it shows the title and the current group; the groups, tabs and pupil
// list come with the front page proper.
class Portada : public QMainWindow {
    Q_OBJECT
public:
    explicit Portada(Sessio& sessio, QWidget* parent = nullptr);

    void aplicaTextos();

private:
    Sessio& sessio_;
    QLabel* titol_;
    QLabel* grup_;
};
