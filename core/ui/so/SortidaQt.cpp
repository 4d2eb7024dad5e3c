// The sound module: plays through one QSoundEffect. Built as a shared module and loaded when the
// program starts (on a second thread), so Qt Multimedia never delays the first window.

#include "core/ui/SortidaSo.h"

#include <QSoundEffect>
#include <QUrl>

namespace {

class SortidaQt : public SortidaSo {
public:
    void toca(const QString& fitxer) override {
        effect_.stop();
        // Setting the same source again keeps the decoded sound, so a repeated sound starts at
        // once.
        effect_.setSource(QUrl::fromLocalFile(fitxer));
        effect_.play();
    }
    void atura() override { effect_.stop(); }

private:
    QSoundEffect effect_;
};

} // namespace

extern "C" Q_DECL_EXPORT SortidaSo* xifrum_crea_sortida_so() {
    return new SortidaQt;
}
