#pragma once

#include <QPageLayout>

class QPagedPaintDevice;

// Every printout is on A4 with even margins, in millimetres; only the orientation and the
// margin differ between them.
void posaA4(QPagedPaintDevice& pagina, QPageLayout::Orientation orientacio, double margeMm);
