#include "Portada.h"

#include "Sessio.h"
#include "fIdioma.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* etiqueta(const char* name, int pointSize, bool bold) {
    auto* l = new QLabel;
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

} // namespace

Portada::Portada(Sessio& sessio, QWidget* parent)
    : QMainWindow(parent), sessio_(sessio), titol_(etiqueta("lblTitol", 36, true)),
      credit_(etiqueta("lblAutor", 12, false)), grup_(etiqueta("lblGrup", 20, true)),
      idioma_(new QPushButton) {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    idioma_->setObjectName("bEines_2");
    connect(idioma_, &QPushButton::clicked, this, &Portada::obreIdioma);
    layout->addStretch();
    layout->addWidget(titol_);
    layout->addWidget(credit_);
    layout->addStretch();
    layout->addWidget(grup_);
    layout->addStretch();
    layout->addWidget(idioma_, 0, Qt::AlignCenter);
    setCentralWidget(central);
    resize(640, 420);
    aplicaTextos();
}

void Portada::aplicaTextos() {
    setWindowTitle(sessio_.text(2));
    titol_->setText(sessio_.text(2));
    credit_->setText(sessio_.text(3));
    grup_->setText(sessio_.nomGrup(sessio_.general.GrupActual));
    idioma_->setText(sessio_.text(499));
    idioma_->setToolTip(sessio_.text(173).trimmed());
}

void Portada::obreIdioma() {
    fIdioma finestra(sessio_, this);
    finestra.exec();
    aplicaTextos();
}
