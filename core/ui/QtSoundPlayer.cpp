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
    : folder_(folder), moduls_(moduls), context_(std::make_unique<QObject>()) {
    QTimer::singleShot(kEsperaSortida, context_.get(), [this] { preparaSortida(); });
}

QtSoundPlayer::~QtSoundPlayer() {
    // The output goes; the module itself stays loaded, as Qt Multimedia's own threads may still
    // run its code until the process ends.
    sortida_.reset();
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
    if (out && !pendent_.isEmpty())
        out->toca(pendent_);
    pendent_.clear();
}

SortidaSo* QtSoundPlayer::sortida() {
    if (!preparat_) {
        preparat_ = true;
        for (const QString& ruta : moduls_) {
            if (!QFileInfo(ruta).isFile())
                continue;
            QLibrary modul(ruta);
            if (!modul.load())
                continue;
            if (auto crea = reinterpret_cast<CreaSortidaSo>(modul.resolve(kCreaSortidaSo))) {
                sortida_.reset(crea());
                break;
            }
        }
    }
    return sortida_.get();
}

bool QtSoundPlayer::ambModul() {
    return sortida() != nullptr;
}

QString QtSoundPlayer::soundPath(const QString& folder, const QString& name) {
    return ProgramFolder::path(folder,
                               QStringLiteral("%1/S%2.wav").arg(ProgramFolder::kSons, name));
}

void QtSoundPlayer::ReproduirSo(const QString& name) {
    const QFileInfo file(soundPath(folder_, name));
    if (!file.isFile() || !file.isReadable()) {
        beep();
        return;
    }
    const QString ruta = file.absoluteFilePath();
    if (!preparat_) {
        // Played as soon as the output is set up.
        pendent_ = ruta;
        source_ = QUrl::fromLocalFile(ruta);
        return;
    }
    if (!sortida_) {
        beep();
        return;
    }
    source_ = QUrl::fromLocalFile(ruta);
    sortida_->toca(ruta);
}

void QtSoundPlayer::beep() {
    if (sortida_)
        sortida_->atura();
    pendent_.clear();
    source_.clear();
    ++beeps_;
    QApplication::beep();
}

QUrl QtSoundPlayer::source() const {
    return source_;
}
