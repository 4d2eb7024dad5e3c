#include "core/ConfigGrup.h"

#include "core/Bytes.h"
#include "core/FileLock.h"
#include "core/PrenCanvi.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/Rutes.h"
#include "core/TextUtil.h"
#include "core/Win1252.h"

namespace {

// The numeric value of the leading digits (after leading blanks), as a BASIC Val() reads it.
qint64 leadingNumber(const QByteArray& text) {
    int i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    qint64 v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        v = v * 10 + (text[i] - '0');
    return v;
}

} // namespace

QByteArray ConfigGrup::encode() const {
    QByteArray b(kLength, '\0');
    QByteArray act = Activitats.left(9);
    act.append(QByteArray(9 - act.size(), ' '));
    Bytes::putBytes(b, 0, act);
    Bytes::putU8(b, 9, OpcResta);
    for (int i = 0; i < kActivitats; ++i)
        Bytes::putU8(b, 10 + i, Nivells[i]);
    Bytes::putBytes(b, 19, Win1252::field(NomNivell, kAmpleNomNivell));
    return b;
}

ConfigGrup ConfigGrup::decode(const QByteArray& record) {
    ConfigGrup c;
    c.Activitats = record.left(9);
    c.OpcResta = Bytes::u8(record, 9);
    for (int i = 0; i < kActivitats; ++i)
        c.Nivells[i] = Bytes::u8(record, 10 + i);
    QByteArray name = record.mid(19, kAmpleNomNivell);
    while (name.endsWith('\0'))
        name.chop(1);
    c.NomNivell = TextUtil::trimSpaces(Win1252::decode(name));
    return c;
}

bool ConfigGrup::ofereix(int activitat) const {
    return activitat >= 1 && activitat <= kActivitats && activitat <= Activitats.size() &&
           Activitats[activitat - 1] == '1';
}

int ConfigGrup::nivells(int activitat) const {
    if (activitat < 1 || activitat > kActivitats)
        return 10;
    const int n = Nivells[activitat - 1];
    return n == 0 ? 10 : n;
}

bool ConfigGrup::ambResta() const {
    return OpcResta == 1;
}

ConfigGrup LlegirConfigGrup(const QString& carpeta, int grup) {
    const ConfigGrup c = ConfigGrup::decode(
        RecordFile::read(ProgramFolder::grupsCfg(carpeta), ConfigGrup::kLength, grup));
    // A group is never left with its front-page tab alone: a record that offers no activity at
    // all (whatever it holds instead of "1") takes the defaults too.
    bool algunaActivitat = false;
    for (int a = 1; a <= kActivitats; ++a)
        algunaActivitat = algunaActivitat || c.ofereix(a);
    if (leadingNumber(c.Activitats) == 0 || !algunaActivitat)
        return ConfigGrup{};
    return c;
}

bool DesarCanvisGrup(const QString& carpeta, int grup, const ConfigGrup& llegit,
                     ConfigGrup& actual) {
    const QString fitxer = ProgramFolder::grupsCfg(carpeta);
    FileLock bloqueig(RutaBloqueig(carpeta, fitxer));
    if (!bloqueig.lock())
        return false;
    ConfigGrup disc = LlegirConfigGrup(carpeta, grup);
    const auto caracter = [](const QByteArray& a, int i) { return i < a.size() ? a[i] : '0'; };
    for (int i = 0; i < kActivitats; ++i) {
        const char meu = caracter(actual.Activitats, i);
        if (meu != caracter(llegit.Activitats, i))
            disc.Activitats =
                CanviaCaracter(meu, disc.Activitats.leftJustified(kActivitats, '0'), i + 1);
        prenCanvi(disc.Nivells[i], llegit.Nivells[i], actual.Nivells[i]);
    }
    prenCanvi(disc.OpcResta, llegit.OpcResta, actual.OpcResta);
    prenCanvi(disc.NomNivell, llegit.NomNivell, actual.NomNivell);
    if (!RecordFile::write(fitxer, ConfigGrup::kLength, grup, disc.encode()))
        return false;
    actual = disc;
    return true;
}

QByteArray CanviaCaracter(char c, const QByteArray& text, int n) {
    if (n < 1 || n > text.size())
        return text;
    QByteArray out = text;
    out[n - 1] = c;
    return out;
}
