#pragma once

#include "core/SoundPlayer.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <memory>

class SortidaSo;

// The program's sound player: plays <folder>/Sons/S<name>.wav, a new sound cutting off the one
// still playing, and never waits for the end. A missing sound file gives the desktop's beep
// instead; sounds are never worth an error.
//
// The playing itself is done by the sound module (libxifrum_so.so, see SortidaSo.h), which holds
// Qt Multimedia and its audio libraries. The player starts loading it on a second thread as soon
// as it is constructed, while the first window is built, and sets up its output a moment after
// the event loop starts (kOutputDelay), once the first window is on screen. A sound asked for
// before that (the group's sound at start-up) plays then. Without the module every sound beeps.
class QtSoundPlayer : public SoundPlayer {
public:
    // Loads the module from the first of `modules` that holds it.
    explicit QtSoundPlayer(const QString& folder, const QStringList& modules = modulePaths());
    ~QtSoundPlayer() override;

    void ReproduirSo(const QString& name) override;

    // The file the player was last asked to play; empty when the last request beeped.
    QUrl source() const;
    // How many requests beeped: no sound file, or no sound module.
    int beeps() const { return beeps_; }
    // Whether the sound module was found and loaded; sets up the output at once if it was not yet.
    bool hasModule();

    // How long after construction the output is set up, in milliseconds.
    static constexpr int kOutputDelay = 100;

    // <folder>/Sons/S<name>.wav
    static QString soundPath(const QString& folder, const QString& name);
    // Where the module is looked for: beside the executable, then in the build folder.
    static QStringList modulePaths();

private:
    SortidaSo* output();
    void prepareOutput();
    void beep();

    QString folder_;
    QStringList modules_;
    std::unique_ptr<SortidaSo> output_;
    bool prepared_ = false;
    QString pending_;                  // the file asked for before the output was set up
    std::unique_ptr<QObject> context_; // owns the set-up timer, so it dies with the player
    QUrl source_;
    int beeps_ = 0;
};
