#pragma once

#include "core/Sessio.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// A program folder in a temporary directory, with the data folders a started program has. Paths
// are spelt out here, not built by the program, so a test also catches a file in the wrong place.
class CarpetaProva {
public:
    CarpetaProva() {
        for (const char* f : {"Inf/Niv", "Inf/Hst", "Inf/Dat", "Imatges"})
            QDir(dir_.path()).mkpath(QString::fromLatin1(f));
    }

    QString path() const { return dir_.path(); }
    QString path(const QString& relative) const { return dir_.path() + '/' + relative; }
    QString dat(const QString& grup) const { return path("Inf/Dat/" + grup + ".dat"); }
    QString niv(const QString& joc) const { return path("Inf/Niv/" + joc + ".niv"); }
    QString ni2(const QString& joc) const { return path("Inf/Niv/" + joc + ".ni2"); }
    QString hst(const QString& alumne) const { return path("Inf/Hst/" + alumne + ".rtf"); }
    QString imatge(const QString& nom) const { return path("Imatges/" + nom); }
    QString generalCfg() const { return path("Inf/General.cfg"); }
    QString grupsCfg() const { return path("Inf/Grups.cfg"); }

    // Writes `bytes` to `file`, creating its folder; a failure fails the calling test.
    static void escriu(const QString& file, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    // The bytes of `file`, or "<missing>" when it cannot be read (never equal to real content).
    static QByteArray llegeix(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // Makes every write to `file` fail, even for root: a folder stands where it must go (whatever
    // was there is gone).
    bool bloqueja(const QString& file) const {
        QFile::remove(file);
        return QDir().mkpath(file);
    }

    // A session on this folder: group `grup`, language `idioma`, Grups.cfg's record of the group
    // as the program reads it.
    Sessio sessio(int grup = 1, int idioma = 0) const;

private:
    QTemporaryDir dir_;
};

#include "core/ConfigGrup.h"

inline Sessio CarpetaProva::sessio(int grup, int idioma) const {
    Sessio s;
    s.carpeta = path();
    s.general.GrupActual = int16_t(grup);
    s.general.Idioma = int16_t(idioma);
    s.grup = LlegirConfigGrup(path(), grup);
    return s;
}
