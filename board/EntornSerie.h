#pragma once

#include <QDate>
#include <QString>
#include <functional>

class SoundPlayer;
struct Registre;

// Told when a series raises the pupil's level. The front page implements it: the pupil's row of
// `Relació` (column activity + 1) and its level label `tNivell` take `textNivell`, and its
// `Registre` takes `registre`. The board never reaches the front page in any other way.
class ReceptorNivell {
public:
    virtual ~ReceptorNivell() = default;
    // `registre` is the pupil's record as just written to the group's file; `textNivell` is the
    // new level as shown ("-" once the last level is passed).
    virtual void nivellSuperat(int activitat, const Registre& registre,
                               const QString& textNivell) = 0;
};

// What a series needs from outside the board: somewhere to play its sounds, someone to tell about
// a passed level, and today's date for the history line (fixed in tests).
struct EntornSerie {
    SoundPlayer* so = nullptr;
    ReceptorNivell* receptor = nullptr;
    std::function<QDate()> avui = [] { return QDate::currentDate(); };
};
