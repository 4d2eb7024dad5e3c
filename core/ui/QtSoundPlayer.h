#pragma once

#include "SoundPlayer.h"

#include <QString>
#include <QUrl>
#include <memory>

class QSoundEffect;

// The program's sound player: plays <folder>/Sons/S<name>.wav through one QSoundEffect, so a new
// sound cuts off the one still playing, and never waits for the end. A missing sound file gives
// the desktop's beep instead; sounds are never worth an error.
class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(const QString& folder);
    ~QtSoundPlayer() override;

    void ReproduirSo(const QString& name) override;

    // The file the player was last asked to play; empty when the last request beeped.
    QUrl source() const;
    // How many requests found no file and beeped instead.
    int beeps() const { return m_beeps; }

    // <folder>/Sons/S<name>.wav
    static QString soundPath(const QString& folder, const QString& name);

private:
    QString m_folder;
    std::unique_ptr<QSoundEffect> m_effect;
    int m_beeps = 0;
    bool m_lastBeeped = false;
};
