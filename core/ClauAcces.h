#pragma once

#include "core/ConfigGeneral.h"

#include <QByteArray>
#include <QString>

// The rules of the access password: what the new-password box lets through, how a typed password
// is checked against `Clau`, and how a new password is stored.
class ClauAcces {
public:
    static constexpr int kLlargada = 8;

    // The character as the new-password box keeps it: `c` in upper case, or 0 when the box refuses
    // it. Taken: codes from "0" upwards that are visible and that Windows-1252 can hold once upper
    // cased. Refused: everything below "0" (space, punctuation, control keys), spaces and invisible
    // characters above it (no-break space, soft hyphen), and characters General.cfg could only
    // store as "?", which would lock the teacher out.
    static char32_t caracter(char32_t c);

    // `text` as the new-password box shows it after an edit (typing or pasting alike): refused
    // characters dropped, the rest upper cased, at most kLlargada characters. When the edit
    // overflows, the characters just before `cursor` (the ones inserted last) give way, so a full
    // box ignores further typing. `cursor` (a position in `text`) is moved along.
    static QString filtra(const QString& text, int* cursor = nullptr);

    // Upper case one character for one, the way the stored password was made ("ß" stays "ß").
    static QString majuscules(const QString& text);

    // Access is granted when `escrita`, the typed text, in upper case equals the stored password
    // without its surrounding spaces. The stored one is upper cased too, so that a lower-case
    // `Clau` written by some other tool cannot lock the tools away for good.
    static bool concedeix(const QString& escrita, const ConfigGeneral& general);

    // The `Clau` field for a new password: upper case, cut or padded with spaces to kLlargada.
    static QByteArray novaClau(const QString& nova);
};
