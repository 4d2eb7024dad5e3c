#include "core/ConfigGeneral.h"

#include "core/Bytes.h"
#include "core/FileLock.h"
#include "core/PrenCanvi.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/Rutes.h"
#include "core/TextUtil.h"
#include "core/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray ConfigGeneral::encode() const {
    QByteArray b(kLength, '\0');
    Bytes::putI16(b, 0, GrupActual);
    QByteArray clau = Clau.left(8);
    clau.append(QByteArray(8 - clau.size(), ' '));
    Bytes::putBytes(b, 2, clau);
    Bytes::putU8(b, 10, Demanar);
    Bytes::putI16(b, 11, Idioma);
    Bytes::putU8(b, 13, Separador);
    return b;
}

ConfigGeneral ConfigGeneral::decode(const QByteArray& record) {
    ConfigGeneral c;
    c.GrupActual = Bytes::i16(record, 0);
    c.Clau = record.mid(2, 8);
    c.Clau.append(QByteArray(8 - c.Clau.size(), '\0'));
    c.Demanar = Bytes::u8(record, 10);
    c.Idioma = Bytes::i16(record, 11);
    c.Separador = Bytes::u8(record, 13);
    return c;
}

QString ConfigGeneral::clauText() const {
    return TextUtil::trimSpaces(Win1252::decode(Clau));
}

namespace {

// Record 1 as the program works with it: the group held to 1..16, the password trimmed, a
// never-written record's password "TUXAM".
ConfigGeneral llegeixRegistre(const QString& fitxer) {
    ConfigGeneral c = ConfigGeneral::decode(RecordFile::read(fitxer, ConfigGeneral::kLength, 1));
    if (c.GrupActual < 1 || c.GrupActual > 16)
        c.GrupActual = 1;
    const bool maiEscrit = c.Clau.at(0) == '\0';
    c.Clau = Win1252::field(TextUtil::trimSpaces(Win1252::decode(c.Clau)), 8);
    if (maiEscrit)
        c.Clau = Win1252::field("TUXAM", 8);
    return c;
}

} // namespace

bool DesarCanvisGeneral(const QString& carpeta, ConfigGeneral& llegit,
                        const ConfigGeneral& actual) {
    const QString fitxer = ProgramFolder::generalCfg(carpeta);
    FileLock bloqueig(RutaBloqueig(carpeta, fitxer));
    if (!bloqueig.lock())
        return false;
    ConfigGeneral disc = llegeixRegistre(fitxer);
    prenCanvi(disc.GrupActual, llegit.GrupActual, actual.GrupActual);
    prenCanvi(disc.Clau, llegit.Clau, actual.Clau);
    prenCanvi(disc.Demanar, llegit.Demanar, actual.Demanar);
    prenCanvi(disc.Idioma, llegit.Idioma, actual.Idioma);
    prenCanvi(disc.Separador, llegit.Separador, actual.Separador);
    if (!RecordFile::write(fitxer, ConfigGeneral::kLength, 1, disc.encode()))
        return false;
    llegit = actual;
    return true;
}

ConfigGeneral LlegirConfigGeneral(const QString& carpeta, bool* preparada) {
    bool tot = true;
    const QString fitxer = ProgramFolder::generalCfg(carpeta);
    QDir arrel(carpeta);
    if (!QFileInfo(arrel.filePath(ProgramFolder::kInf)).isDir())
        tot &= arrel.mkpath(ProgramFolder::kInf);
    if (!QFile::exists(fitxer)) {
        QFile nou(fitxer);
        tot &= nou.open(QIODevice::WriteOnly);
    }

    const ConfigGeneral c = llegeixRegistre(fitxer);
    for (const char* sub :
         {ProgramFolder::kNiv, ProgramFolder::kHst, ProgramFolder::kDat, ProgramFolder::kImatges})
        if (!QFileInfo(arrel.filePath(sub)).isDir())
            tot &= arrel.mkpath(sub);
    if (preparada)
        *preparada = tot;
    return c;
}
