#pragma once

#include <QString>

#include <functional>

class QWidget;

// The message box these windows speak through. The program's own box (`Missatges`) lives with
// the front page, which hands it in at start-up; until then a plain box with the same buttons
// ("Sí" `Mou_1`, "No" `Mou_0`, "Acceptar" `Mou_1`) stands in, so the windows work on their own.
class CaixaMissatges {
public:
    using Informacio = std::function<void(const QString& text, int idioma, QWidget* parent)>;
    using Pregunta = std::function<bool(const QString& text, int idioma, QWidget* parent)>;

    static void estableix(Informacio informacio, Pregunta pregunta);

    static void informacio(const QString& text, int idioma, QWidget* parent);
    // True only for "Sí"; closing the box answers No.
    static bool pregunta(const QString& text, int idioma, QWidget* parent);

private:
    static Informacio& informacio_();
    static Pregunta& pregunta_();
};
