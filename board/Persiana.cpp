#include "board/Persiana.h"

Persiana::Persiana(int alcadaGran, int alcadaPetita, int pas, int pomGran, int pomPetita)
    : alcadaGran_(alcadaGran), alcadaPetita_(alcadaPetita), pas_(pas > 0 ? pas : 1),
      pomGran_(pomGran), pomPetita_(pomPetita), alcada_(alcadaGran), pom_(pomGran) {}

Persiana Persiana::deLaPissarra() {
    return Persiana(263, 22, 15, 250, 10);
}

Persiana Persiana::marcador() {
    return Persiana(110, 22, 2, 98, 10);
}

QList<int> Persiana::clic() {
    QList<int> passos;
    // The last step lands on the end itself even when the distance is not a whole number of
    // steps (263 - 22 is not a multiple of 15), so the roller always rests at one of its ends.
    if (alcada_ == alcadaGran_) {
        for (int h = alcada_ - pas_; h > alcadaPetita_; h -= pas_)
            passos << h;
        passos << alcadaPetita_;
        pom_ = pomPetita_;
    } else {
        for (int h = alcada_ + pas_; h < alcadaGran_; h += pas_)
            passos << h;
        passos << alcadaGran_;
        pom_ = pomGran_;
    }
    alcada_ = passos.constLast();
    return passos;
}
