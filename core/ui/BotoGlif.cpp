#include "core/ui/BotoGlif.h"

#include "core/ui/Units.h"
#include "core/ui/Wingdings.h"

#include <QPushButton>

namespace BotoGlif {

void prepara(QPushButton* boto, Tipus tipus, const QString& nom, const QString& ajuda) {
    constexpr int kPuntsGlif = 20;
    const int glif = tipus == Cancel ? Wingdings::kCross : Wingdings::kCheck;
    boto->setObjectName(nom);
    boto->setText(Wingdings::text(glif));
    boto->setFont(Wingdings::font(glif, kPuntsGlif));
    boto->setMinimumSize(tw(1100), tw(660));
    QPalette p = boto->palette();
    p.setColor(QPalette::ButtonText,
               tipus == Cancel ? QColor(0xC6, 0x28, 0x28) : QColor(0x2E, 0x7D, 0x32));
    boto->setPalette(p);
    if (!ajuda.isEmpty()) {
        boto->setToolTip(ajuda);
        boto->setAccessibleName(ajuda);
    }
}

} // namespace BotoGlif
