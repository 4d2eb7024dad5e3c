#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// Every printout goes through the print preview ("VistaPrevia", titled `titol`), from which the
// teacher prints or saves a PDF. `pinta` paints the whole document on the printer it is given and
// says whether it could; the preview may ask for it several times. A failure in any of them is
// told with the message "Error en imprimir" in `idioma` once the preview closes. False then.
bool vistaPrevia(QPrinter& impressora, QWidget* parent, const QString& titol, int idioma,
                 const std::function<bool(QPrinter&)>& pinta);
