#include "Portada.h"

#include "Sessio.h"

#include <QLabel>
#include <QVBoxLayout>

Portada::Portada(Sessio& sessio, QWidget* parent)
    : QMainWindow(parent), sessio_(sessio), titol_(new QLabel), grup_(new QLabel) {
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    titol_->setObjectName("lblTitol");
    titol_->setAlignment(Qt::AlignCenter);
    QFont f = titol_->font();
    f.setPointSize(36);
    f.setBold(true);
    titol_->setFont(f);
    grup_->setObjectName("lblGrup");
    grup_->setAlignment(Qt::AlignCenter);
    layout->addWidget(titol_);
    layout->addWidget(grup_);
    setCentralWidget(central);
    resize(640, 400);
    aplicaTextos();
}

void Portada::aplicaTextos() {
    setWindowTitle(sessio_.text(2));
    titol_->setText(sessio_.text(2));
    grup_->setText(sessio_.nomGrup(sessio_.general.GrupActual));
}
