#pragma once

#include "core/IdsText.h"

class Atzar;

// The board's activities live in two rooms (numeration and board), so the interface between an
// activity and its series lives here, below both.
//
// What an activity sees of the series it runs in: the two reports (right exercise, wrong
// character), the message button, and the settings the series was opened with. The series
// implements it; activity tests use a small fake.
class ContextActivitat {
public:
    virtual ~ContextActivitat() = default;

    // The current exercise is complete and right. With the wait option on and exercises left,
    // the series shows `missatgeEspera` (string id) on the message button.
    virtual void RespostaCorrecta(int missatgeEspera = IdText::kOperacioFinalitzada) = 0;
    // One wrong character (help counts one too).
    virtual void RespostaErronia() = 0;

    // Shows string `id` on the message button, with the pointer, and disables input.
    virtual void mostraMissatge(int id) = 0;
    // String id shown on the message button; 0 when it has no caption.
    virtual int missatge() const = 0;

    virtual bool ajudaDemanada() const = 0;
    virtual bool esperaActiva() const = 0;

    // The two parameters of the level played, already held to the editor's ranges.
    virtual int parametre1() const = 0;
    virtual int parametre2() const = 0;
    virtual int separador() const = 0; // 0 ".", 1 blank, 2 none
    virtual int idioma() const = 0;
    virtual bool ambResta() const = 0; // division layout with the subtractions written
    virtual Atzar& atzar() = 0;
};
