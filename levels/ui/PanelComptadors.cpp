#include "levels/ui/PanelComptadors.h"

#include "core/ui/Units.h"
#include "core/ui/UpDown.h"
#include "levels/ui/CapcaleraNivells.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {

constexpr Rang kRangs[3] = {kRangTemps, kRangFer, kRangErrors};
constexpr int kMaxIncrement = 999;
constexpr int kAmpleTirador = 2700;
constexpr int kAmpleNombre = 690;
constexpr int kPuntsNombre = 12;

} // namespace

PanelComptadors::PanelComptadors(QWidget* parent) : QWidget(parent) {
    setObjectName("Frame1");
    auto* graella = new QGridLayout(this);
    graella->setVerticalSpacing(tw(150));
    QFont lletra = font();
    lletra.setPointSize(kPuntsNombre);
    lletra.setBold(true);
    for (int k = 0; k < 3; ++k) {
        const int i = k + 1;
        cap_[k] = new QLabel;
        cap_[k]->setAlignment(Qt::AlignCenter);
        dades_[k] = new QLabel;
        dades_[k]->setObjectName(QStringLiteral("Dades_%1").arg(i));
        dades_[k]->setFont(lletra);
        dades_[k]->setMinimumWidth(tw(kAmpleNombre));
        dades_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tirador_[k] = new QScrollBar(Qt::Horizontal);
        tirador_[k]->setObjectName(QStringLiteral("Tirador_%1").arg(i));
        tirador_[k]->setRange(kRangs[k].minim, kRangs[k].maxim);
        tirador_[k]->setPageStep(10);
        tirador_[k]->setFixedWidth(tw(kAmpleTirador));
        increment_[k] = new QLabel(QStringLiteral("0"));
        increment_[k]->setObjectName(QStringLiteral("Increment_%1").arg(i));
        increment_[k]->setFrameShape(QFrame::StyledPanel);
        increment_[k]->setMinimumWidth(tw(kAmpleNombre));
        increment_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        upDown_[k] = new UpDown;
        upDown_[k]->setRange(-kMaxIncrement, kMaxIncrement);
        upDown_[k]->setObjectName(QStringLiteral("UpDown1_%1").arg(i));
        bIncrement_[k] = new QPushButton(QStringLiteral("↓"));
        bIncrement_[k]->setObjectName(QStringLiteral("bIncrement_%1").arg(i));
        bIncrement_[k]->setAutoDefault(false);
        bIncrement_[k]->setFixedWidth(tw(450));

        graella->addWidget(cap_[k], k, 0);
        graella->addWidget(dades_[k], k, 1);
        graella->addWidget(tirador_[k], k, 2);
        graella->addWidget(increment_[k], k, 4);
        graella->addWidget(upDown_[k], k, 5);
        graella->addWidget(bIncrement_[k], k, 6);

        connect(tirador_[k], &QScrollBar::valueChanged, this, [this, k](int v) {
            dades_[k]->setText(QString::number(v));
            emit comptador(k + 1, v);
        });
        connect(upDown_[k], &UpDown::valueChanged, this,
                [this, k](int v) { increment_[k]->setText(QString::number(v)); });
        connect(bIncrement_[k], &QPushButton::clicked, this,
                [this, k] { emit incrementa(k + 1, increment(k + 1)); });
    }
    graella->setColumnMinimumWidth(3, tw(240));
    graella->setColumnStretch(7, 1);
}

void PanelComptadors::prepara(const Sessio& sessio) {
    // The counters are headed alike in every activity.
    for (int k = 0; k < 3; ++k) {
        const CapcaleraNivells cap = CapcaleraNivells::de(TipusActivitat::Cardinals, k + 1, sessio);
        cap_[k]->setText(cap.text);
        cap_[k]->setFont(cap.lletra);
        if (cap.color.isValid()) {
            QPalette p = cap_[k]->palette();
            p.setColor(QPalette::WindowText, cap.color);
            cap_[k]->setPalette(p);
        }
        cap_[k]->setToolTip(cap.ajuda);
        tirador_[k]->setAccessibleName(cap.ajuda);
        upDown_[k]->setAccessibleName(cap.ajuda + " ±");
        bIncrement_[k]->setAccessibleName(cap.ajuda + " ↓");
    }
}

void PanelComptadors::mostra(const DadesNivell& d) {
    const int valors[3] = {d.Temps, d.Fer, d.Errors};
    for (int k = 0; k < 3; ++k) {
        dades_[k]->setText(QString::number(valors[k]));
        tirador_[k]->setValue(valors[k]);
    }
}

int PanelComptadors::increment(int i) const {
    return (i >= 1 && i <= 3) ? increment_[i - 1]->text().toInt() : 0;
}
