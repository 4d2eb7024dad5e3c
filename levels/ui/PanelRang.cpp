#include "levels/ui/PanelRang.h"

#include "core/DigitGrouping.h"
#include "core/Sessio.h"
#include "core/ui/Units.h"
#include "levels/EdicioNivells.h"
#include "levels/ui/BotoXifra.h"
#include "levels/ui/CapcaleraNivells.h"
#include "levels/ui/EtiquetaXifres.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kXifres = 9;
constexpr int kAmpleBoto = 420;
constexpr int kAltBoto = 300;
constexpr int kAltXifres = 480;
constexpr int kPuntsXifres = 16;

} // namespace

PanelRang::PanelRang(QWidget* parent)
    : QWidget(parent), xifres_{new EtiquetaXifres, new EtiquetaXifres}, cap_{new QLabel,
                                                                             new QLabel} {
    setObjectName("Panel1");
    const QString noms[2] = {QStringLiteral("Primer"), QStringLiteral("Últim")};
    auto* graella = new QGridLayout(this);
    graella->setHorizontalSpacing(0);
    graella->setVerticalSpacing(tw(30));
    QFont lletra = font();
    lletra.setPointSize(kPuntsXifres);
    lletra.setBold(true);
    for (int q = 0; q < 2; ++q) {
        const int fila = q * 3;
        cap_[q]->setAlignment(Qt::AlignCenter);
        cap_[q]->setMinimumWidth(tw(600));
        graella->addWidget(cap_[q], fila, 0, 2, 1);
        for (int p = 1; p <= kXifres; ++p) {
            auto* b = new BotoXifra;
            b->setObjectName(QStringLiteral("Pulsador%1_%2").arg(q + 1).arg(p));
            b->setText(QStringLiteral("▴"));
            b->setFixedSize(tw(kAmpleBoto), tw(kAltBoto));
            pulsador_[q][p - 1] = b;
            graella->addWidget(b, fila, p);
            connect(b, &BotoXifra::premut, this, [this, q, p](bool amunt, bool ambRatoli) {
                const QString nou = EdicioNivells::PremDigit(xifres_[q]->text(), p, amunt);
                emit parametre(q + 1, nou.toInt(), ambRatoli);
            });
        }
        xifres_[q]->setObjectName(noms[q]);
        xifres_[q]->setFont(lletra);
        xifres_[q]->setFixedSize(tw(kAmpleBoto) * kXifres, tw(kAltXifres));
        xifres_[q]->setAutoFillBackground(true);
        xifres_[q]->setBackgroundRole(QPalette::Base);
        xifres_[q]->setFrameShape(QFrame::StyledPanel);
        graella->addWidget(xifres_[q], fila + 1, 1, 1, kXifres);
        if (q == 0)
            graella->setRowMinimumHeight(2, tw(120));
    }
    graella->setColumnStretch(kXifres + 1, 1);
}

void PanelRang::prepara(TipusActivitat activitat, const Sessio& sessio) {
    for (int q = 0; q < 2; ++q) {
        const CapcaleraNivells cap = CapcaleraNivells::de(activitat, q + 4, sessio);
        cap_[q]->setText(cap.text);
        cap_[q]->setFont(cap.lletra);
        cap_[q]->setToolTip(cap.ajuda);
        xifres_[q]->setAccessibleDescription(cap.ajuda);
        qint64 pes = 1;
        for (int p = kXifres; p >= 1; --p, pes *= 10)
            pulsador_[q][p - 1]->setAccessibleName(
                cap.ajuda + " " + DigitGrouping::group(pes, sessio.general.Separador));
    }
}

void PanelRang::mostra(const DadesNivell& d) {
    xifres_[0]->setText(QString::number(d.Parametre1));
    xifres_[1]->setText(QString::number(d.Parametre2));
}

QString PanelRang::primer() const {
    return xifres_[0]->text();
}

QString PanelRang::ultim() const {
    return xifres_[1]->text();
}
