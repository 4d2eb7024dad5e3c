#pragma once

#include <QString>

// What the sound module (core/ui/so, loaded at run time by QtSoundPlayer) gives the player: one
// sound at a time, a new one cutting off the one still playing, never waiting for the end.
// Qt Multimedia and the audio libraries behind it live only in that module, so the program starts
// without loading them.
class SortidaSo {
public:
    virtual ~SortidaSo() = default;
    // Plays the WAV file at `fitxer` (an existing, readable file).
    virtual void toca(const QString& fitxer) = 0;
    // Stops the sound playing, if any.
    virtual void atura() = 0;
};

// The module's one exported function: a new output, owned by the caller.
using CreaSortidaSo = SortidaSo* (*)();
inline constexpr char kCreaSortidaSo[] = "xifrum_crea_sortida_so";
