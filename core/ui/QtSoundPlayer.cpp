#include "QtSoundPlayer.h"

#include "ProgramFolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>

QtSoundPlayer::QtSoundPlayer(const QString& folder)
    : m_folder(folder), m_effect(std::make_unique<QSoundEffect>()) {}

QtSoundPlayer::~QtSoundPlayer() = default;

QString QtSoundPlayer::soundPath(const QString& folder, const QString& name) {
    return ProgramFolder::path(folder,
                               QStringLiteral("%1/S%2.wav").arg(ProgramFolder::kSons, name));
}

void QtSoundPlayer::ReproduirSo(const QString& name) {
    m_effect->stop();
    const QFileInfo file(soundPath(m_folder, name));
    if (!file.isFile() || !file.isReadable()) {
        ++m_beeps;
        m_lastBeeped = true;
        QApplication::beep();
        return;
    }
    // Setting the same source again keeps the decoded sound, so a repeated sound starts at once.
    m_lastBeeped = false;
    m_effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    m_effect->play();
}

QUrl QtSoundPlayer::source() const {
    return m_lastBeeped ? QUrl() : m_effect->source();
}
