#include "core/LiniaResposta.h"

void LiniaResposta::inicia(const QString& solucio) {
    solucio_ = solucio;
    escrit_.clear();
    senyalVisible_ = true;
    senyalVermell_ = false;
}

LiniaResposta::Resultat LiniaResposta::caracter(QChar c) {
    const QString t = escrit_ + c;
    if (t == solucio_) {
        escrit_ = t;
        senyalVisible_ = false;
        senyalVermell_ = false;
        return Completa;
    }
    if (t == solucio_.left(escrit_.size() + 1)) {
        escrit_ = t;
        senyalVermell_ = false;
        return Avanca;
    }
    senyalVermell_ = true;
    return Erronia;
}

QChar LiniaResposta::caracterAjuda() const {
    return escrit_.size() < solucio_.size() ? solucio_.at(escrit_.size()) : QChar();
}
