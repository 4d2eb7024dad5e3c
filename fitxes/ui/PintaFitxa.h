#pragma once

#include "fitxes/PaginaFitxa.h"

#include <QList>

class QPagedPaintDevice;
class QPainter;

// Paints laid-out worksheet pages on a printer, a PDF writer or any paged device, in black and
// white: the grids light grey, the rest black.
namespace PintaFitxa {

// Sets `device` to A4 portrait with no margins (the pages carry their own).
void preparaPagina(QPagedPaintDevice& device);

// Paints `pagines` on `painter`, already begun on a device prepared as above, starting a new
// device page between them (and before the first when `paginaNova`). False when a page could not
// be started.
bool pinta(QPainter& painter, QPagedPaintDevice& device, const QList<PaginaFitxa>& pagines,
           bool paginaNova = false);

} // namespace PintaFitxa
