#include "core/ui/PaginaA4.h"

#include <QPagedPaintDevice>

void posaA4(QPagedPaintDevice& pagina, QPageLayout::Orientation orientacio, double margeMm) {
    pagina.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientacio,
                                     QMarginsF(margeMm, margeMm, margeMm, margeMm),
                                     QPageLayout::Millimeter));
}
