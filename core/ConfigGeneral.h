#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// `General.cfg`: one 14-byte record of program-wide settings.
struct ConfigGeneral {
    static constexpr int kLength = 14;

    int16_t GrupActual = 1;
    QByteArray Clau = "TUXAM   "; // 8 bytes, Windows-1252, space-padded, stored as read
    uint8_t Demanar = 0;
    int16_t Idioma = 0;
    uint8_t Separador = 0;

    QByteArray encode() const;
    static ConfigGeneral decode(const QByteArray& record);

    // The password as typed and compared: without surrounding spaces.
    QString clauText() const;

    bool operator==(const ConfigGeneral&) const = default;
};

// Stores the fields of `actual` that differ from `llegit` (the record as this copy read it at
// start or last stored it) over the record the file holds now, so a field another computer
// changed meanwhile stays unless this copy changed it too. `llegit` then becomes `actual`.
// False, with `llegit` as it was, when the file's lock or the write failed.
bool DesarCanvisGeneral(const QString& carpeta, ConfigGeneral& llegit, const ConfigGeneral& actual);

// The start-up read of General.cfg: creates Inf/ when missing (and with it an empty General.cfg),
// reads record 1, holds GrupActual to 1..16 (a value outside reads as 1), trims the password and
// gives a never-written record the password "TUXAM", then creates Inf/Niv, Inf/Hst, Inf/Dat and
// Imatges when missing. `preparada` is false when a folder or the file could not be created.
ConfigGeneral LlegirConfigGeneral(const QString& carpeta, bool* preparada = nullptr);
