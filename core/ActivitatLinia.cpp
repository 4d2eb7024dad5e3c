#include "core/ActivitatLinia.h"

#include "core/ContextActivitat.h"

void ActivitatLinia::caracter(QChar c) {
    if (completa_)
        return;
    switch (linia_.caracter(c)) {
    case LiniaResposta::Completa:
        completa_ = true;
        emit canviat();
        ctx_.RespostaCorrecta();
        break;
    case LiniaResposta::Avanca:
        emit canviat();
        break;
    case LiniaResposta::Erronia:
        emit canviat();
        ctx_.RespostaErronia();
        break;
    }
}

void ActivitatLinia::ajuda() {
    const QChar c = linia_.caracterAjuda();
    if (!c.isNull())
        caracter(c);
}

void ActivitatLinia::nouExercici(const QString& pregunta, const QString& solucio) {
    pregunta_ = pregunta;
    linia_.inicia(solucio);
    completa_ = false;
}
