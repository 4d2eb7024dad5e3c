#include "core/ui/VistaPrevia.h"

#include "core/IdsText.h"
#include "core/StringTable.h"
#include "core/ui/Escalat.h"
#include "core/ui/Missatges.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

bool vistaPrevia(QPrinter& impressora, QWidget* parent, const QString& titol, int idioma,
                 const std::function<bool(QPrinter&)>& pinta) {
    QPrintPreviewDialog vista(&impressora, parent);
    vista.setObjectName(QStringLiteral("VistaPrevia"));
    vista.setWindowTitle(titol);
    bool error = false;
    QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista,
                     [&](QPrinter* p) { error = !pinta(*p) || error; });
    Escalat::executa(vista);
    if (error)
        Missatges::Informacio(TextIdioma(IdText::kErrorImprimir, idioma), idioma, parent);
    return !error;
}
