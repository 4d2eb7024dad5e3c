#include "core/Registre.h"

#include "core/Bytes.h"
#include "core/Win1252.h"

QByteArray Registre::encode() const {
    QByteArray b(kLength, '\0');
    Bytes::putU8(b, 0, Numero);
    Bytes::putBytes(b, 1, Win1252::field(Nom, kAmpleNom));
    for (int i = 0; i < kActivitats; ++i)
        Bytes::putU8(b, 36 + i, Nivell[i]);
    Bytes::putBytes(b, 45, Win1252::field(Imatge, kAmpleImatge));
    return b;
}

Registre Registre::decode(const QByteArray& record) {
    Registre r;
    r.Numero = Bytes::u8(record, 0);
    r.Nom = Win1252::decode(record.mid(1, kAmpleNom));
    for (int i = 0; i < kActivitats; ++i)
        r.Nivell[i] = Bytes::u8(record, 36 + i);
    r.Imatge = Win1252::decode(record.mid(45, kAmpleImatge));
    return r;
}
