#pragma once

#include <QList>

// A decorative roller of the board: the blind `Persiana` or the scoreboard `Marcador`. A click
// rolls it up when it is fully down and down otherwise, in fixed steps that the window shows one
// after the other; its handle jumps to the matching end.
class Persiana {
public:
    Persiana(int alcadaGran, int alcadaPetita, int pas, int pomGran, int pomPetita);

    // `Persiana`: 263 down to 22 in steps of 15, handle `Pom` at top 250 or 10.
    static Persiana deLaPissarra();
    // `Marcador`: 110 down to 22 in steps of 2, handle `Pom2` at top 98 or 10.
    static Persiana marcador();

    int alcada() const { return alcada_; }
    int pom() const { return pom_; }
    bool plegada() const { return alcada_ != alcadaGran_; }

    // Rolls it and returns the height of every step in order; the last one is the new height.
    QList<int> clic();

private:
    int alcadaGran_;
    int alcadaPetita_;
    int pas_;
    int pomGran_;
    int pomPetita_;
    int alcada_;
    int pom_;
};
