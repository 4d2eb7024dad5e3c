#include "core/ui/QtSoundPlayer.h"

#include "core/ProgramFolder.h"
#include "core/ui/SortidaSo.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

namespace {

constexpr char kFitxerModul[] = "libxifrum_so.so";

} // namespace

QtSoundPlayer::QtSoundPlayer(const QString& folder, const QStringList& moduls)
    : m_folder(folder), m_moduls(moduls), m_context(std::make_unique<QObject>()) {
    QTimer::singleShot(kEsperaSortida, m_context.get(), [this] { preparaSortida(); });
}

QtSoundPlayer::~QtSoundPlayer() {
    // The output goes; the module itself stays loaded, as Qt Multimedia's own threads may still
    // run its code until the process ends.
    m_sortida.reset();
}

QStringList QtSoundPlayer::rutesModul() {
    QStringList rutes;
    if (QCoreApplication::instance())
        rutes << QCoreApplication::applicationDirPath() + '/' + kFitxerModul;
#ifdef XIFRUM_MODULS_CONSTRUCCIO
    rutes << QStringLiteral(XIFRUM_MODULS_CONSTRUCCIO) + '/' + kFitxerModul;
#endif
    return rutes;
}

void QtSoundPlayer::preparaSortida() {
    SortidaSo* out = sortida();
    if (out && !m_pendent.isEmpty())
        out->toca(m_pendent);
    m_pendent.clear();
}

SortidaSo* QtSoundPlayer::sortida() {
    if (!m_preparat) {
        m_preparat = true;
        for (const QString& ruta : m_moduls) {
            if (!QFileInfo(ruta).isFile())
                continue;
            QLibrary modul(ruta);
            if (!modul.load())
                continue;
            if (auto crea = reinterpret_cast<CreaSortidaSo>(modul.resolve(kCreaSortidaSo))) {
                m_sortida.reset(crea());
                break;
            }
        }
    }
    return m_sortida.get();
}

bool QtSoundPlayer::ambModul() {
    return sortida() != nullptr;
}

QString QtSoundPlayer::soundPath(const QString& folder, const QString& name) {
    return ProgramFolder::path(folder,
                               QStringLiteral("%1/S%2.wav").arg(ProgramFolder::kSons, name));
}

void QtSoundPlayer::ReproduirSo(const QString& name) {
    const QFileInfo file(soundPath(m_folder, name));
    if (!file.isFile() || !file.isReadable()) {
        beep();
        return;
    }
    const QString ruta = file.absoluteFilePath();
    if (!m_preparat) {
        // Played as soon as the output is set up.
        m_pendent = ruta;
        m_source = QUrl::fromLocalFile(ruta);
        return;
    }
    if (!m_sortida) {
        beep();
        return;
    }
    m_source = QUrl::fromLocalFile(ruta);
    m_sortida->toca(ruta);
}

void QtSoundPlayer::beep() {
    if (m_sortida)
        m_sortida->atura();
    m_pendent.clear();
    m_source.clear();
    ++m_beeps;
    QApplication::beep();
}

QUrl QtSoundPlayer::source() const {
    return m_source;
}
