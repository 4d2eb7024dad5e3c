#pragma once

#include "core/SoundPlayer.h"

#include <QStringList>

// A SoundPlayer for tests: plays nothing and keeps the names it was asked for, in order, so a test
// can check which sounds a flow played ("1".."16", "20".."24").
class RecordingSoundPlayer : public SoundPlayer {
public:
    void ReproduirSo(const QString& name) override { played.append(name); }

    QStringList played;
    void clear() { played.clear(); }
    QString last() const { return played.isEmpty() ? QString() : played.constLast(); }
};
