#pragma once

#include <QObject>
#include <QString>

class ContextActivitat;

// One activity of the board: the four hooks the series calls and the filter of physical keys.
// An activity judges each character itself and reports to its context; its panel draws the state
// the concrete class exposes and repaints on `canviat`.
class Activitat : public QObject {
    Q_OBJECT
public:
    explicit Activitat(ContextActivitat& ctx, QObject* parent = nullptr)
        : QObject(parent), ctx_(ctx) {}

    // Set-up at opening; produces the first exercise.
    virtual void preparar() = 0;
    // The next exercise.
    virtual void novaOperacio() = 0;
    // A character from an on-screen key or an accepted physical key.
    virtual void caracter(QChar c) = 0;
    // Help after its error was counted: enters the next right character through `caracter`.
    virtual void ajuda() = 0;
    // Physical keys this activity accepts (already upper-cased). Refused keys cost nothing.
    virtual bool accepta(QChar c) const = 0;

    // On-screen keyboard shown now: 0 digits, 1 digits and the extra key, 2 Roman letters,
    // -1 none.
    virtual int teclat() const = 0;
    // Caption of the extra key `Tecla`(20) when keyboard 1 is shown.
    virtual QString teclaExtra() const { return QStringLiteral("."); }
    // The left-arrow key (used by long multiplication only).
    virtual void fletxaEsquerra() {}

signals:
    void canviat();

protected:
    ContextActivitat& ctx_;
};
