#pragma once

#include <QString>

// What the history viewer remembers of its text, and which of its tools that leaves usable: save
// once the text differs from what was loaded or last seen; copy, empty and print while there is a
// text; copy again only after a change.
class EstatHistoric {
public:
    // The text as loaded: nothing to save yet.
    void carrega(const QString& text);
    // The text of the box after any change to it; the same text again changes nothing.
    void canvia(const QString& text);
    void desat() { desar_ = false; }
    void copiat() { copiar_ = false; }

    const QString& text() const { return recordat_; }
    bool desar() const { return desar_; }
    bool copiar() const { return copiar_; }
    bool buidar() const { return buidar_; }
    bool imprimir() const { return imprimir_; }

private:
    void hiHaText();

    QString recordat_;
    bool desar_ = false;
    bool copiar_ = false;
    bool buidar_ = false;
    bool imprimir_ = false;
};
