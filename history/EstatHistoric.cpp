#include "history/EstatHistoric.h"

void EstatHistoric::carrega(const QString& text) {
    recordat_ = text;
    desar_ = false;
    hiHaText();
}

void EstatHistoric::canvia(const QString& text) {
    if (text == recordat_)
        return;
    recordat_ = text;
    desar_ = true;
    hiHaText();
}

void EstatHistoric::hiHaText() {
    copiar_ = buidar_ = imprimir_ = !recordat_.isEmpty();
}
