#pragma once

#include "core/TipusActivitat.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// One pupil record of a group's .dat file (65 bytes).
struct Registre {
    static constexpr int kLength = 65;
    static constexpr int kAmpleNom = 35;
    static constexpr int kAmpleImatge = 20;

    uint8_t Numero = 0; // 1..255; 0 marks an empty slot
    QString Nom;        // as stored: Windows-1252 decoded, with its padding
    std::array<uint8_t, kActivitats>
        Nivell{};   // per activity: 0 = finished, 1..n = level to work at next
    QString Imatge; // picture file name inside Imatges/, as stored

    QByteArray encode() const;
    static Registre decode(const QByteArray& record);

    bool operator==(const Registre&) const = default;
};
