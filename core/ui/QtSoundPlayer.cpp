#include "core/ui/QtSoundPlayer.h"

#include "core/ProgramFolder.h"
#include "core/ui/SortidaSo.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

namespace {

constexpr char kModuleFile[] = "libxifrum_so.so";

} // namespace

QtSoundPlayer::QtSoundPlayer(const QString& folder, const QStringList& modules)
    : folder_(folder), modules_(modules), context_(std::make_unique<QObject>()) {
    QTimer::singleShot(kOutputDelay, context_.get(), [this] { prepareOutput(); });
}

QtSoundPlayer::~QtSoundPlayer() {
    // The output goes; the module itself stays loaded, as Qt Multimedia's own threads may still
    // run its code until the process ends.
    output_.reset();
}

QStringList QtSoundPlayer::modulePaths() {
    QStringList paths;
    if (QCoreApplication::instance())
        paths << QCoreApplication::applicationDirPath() + '/' + kModuleFile;
#ifdef XIFRUM_MODULS_CONSTRUCCIO
    paths << QStringLiteral(XIFRUM_MODULS_CONSTRUCCIO) + '/' + kModuleFile;
#endif
    return paths;
}

void QtSoundPlayer::prepareOutput() {
    SortidaSo* out = output();
    if (out && !pending_.isEmpty())
        out->toca(pending_);
    pending_.clear();
}

SortidaSo* QtSoundPlayer::output() {
    if (!prepared_) {
        prepared_ = true;
        for (const QString& path : modules_) {
            if (!QFileInfo(path).isFile())
                continue;
            QLibrary module(path);
            if (!module.load())
                continue;
            if (auto create = reinterpret_cast<CreaSortidaSo>(module.resolve(kCreaSortidaSo))) {
                output_.reset(create());
                break;
            }
        }
    }
    return output_.get();
}

bool QtSoundPlayer::hasModule() {
    return output() != nullptr;
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
    const QString path = file.absoluteFilePath();
    if (!prepared_) {
        // Played as soon as the output is set up.
        pending_ = path;
        source_ = QUrl::fromLocalFile(path);
        return;
    }
    if (!output_) {
        beep();
        return;
    }
    source_ = QUrl::fromLocalFile(path);
    output_->toca(path);
}

void QtSoundPlayer::beep() {
    if (output_)
        output_->atura();
    pending_.clear();
    source_.clear();
    ++beeps_;
    QApplication::beep();
}

QUrl QtSoundPlayer::source() const {
    return source_;
}
