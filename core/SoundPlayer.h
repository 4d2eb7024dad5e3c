#pragma once

#include <QString>

// Plays the program's sounds. Windows and logic are handed one of these, so tests can record the
// sounds a flow plays instead of hearing them.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // `ReproduirSo`: plays Sons/S<name>.wav without waiting; a new sound replaces the one playing,
    // a missing file gives the platform's beep and is never an error.
    virtual void ReproduirSo(const QString& name) = 0;
};
