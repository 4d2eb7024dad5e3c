#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The program's own message box: every message reaches the user through it, either as an
// information box with one accept button or as a Yes/No question. Created for one use.
class Missatges : public QDialog {
    Q_OBJECT
public:
    // Shows `text` until the user accepts it.
    static void Informacio(const QString& text, int idioma, QWidget* parent = nullptr);
    // Asks `text`; true only when the user presses "Sí". Closing the box, Escape and Enter (the
    // default button is "No") all answer No, so that a hasty key never confirms a deletion.
    static bool Pregunta(const QString& text, int idioma, QWidget* parent = nullptr);

private:
    enum class Forma { Informacio, Pregunta };

    Missatges(Forma forma, const QString& text, int idioma, QWidget* parent);
    void disposa(Forma forma);

    QLabel* text_;
    QLabel* icona_[2];
    QPushButton* mou_[2];
};
