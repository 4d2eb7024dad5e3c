#pragma once

#include "core/TipusActivitat.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// One group's record of `Grups.cfg` (119 bytes): which activities the group is offered, how many
// levels each has, the division layout option and the name of the group's level set.
struct ConfigGrup {
    static constexpr int kLength = 119;
    static constexpr int kAmpleNomNivell = 100;

    QByteArray Activitats = "111111111"; // 9 characters, '1' = offered
    uint8_t OpcResta = 0;
    std::array<uint8_t, kActivitats> Nivells{10, 10, 10, 10, 10, 10, 10, 10, 10};
    QString NomNivell; // without padding

    QByteArray encode() const;
    static ConfigGrup decode(const QByteArray& record);

    // Activity 1..9 offered to the group.
    bool ofereix(int activitat) const;
    // Levels in use for activity 1..9; a stored 0 counts as 10.
    int nivells(int activitat) const;
    // Division writes its subtractions out ("Amb resta"): a stored 1 only, as the editor's box
    // shows it; any other byte, damaged ones included, is the box cleared.
    bool ambResta() const;

    bool operator==(const ConfigGrup&) const = default;
};

// Reads group `grup`'s record from Inf/Grups.cfg and applies the default rule: a record whose
// Activitats reads as the number 0 (never written, blanks, "000000000") or offers no activity at
// all (no "1") becomes the defaults. File errors read as a never-written record.
ConfigGrup LlegirConfigGrup(const QString& carpeta, int grup);

// Stores in record `grup` the fields of `actual` that differ from `llegit` (the record as this copy
// read it: an activity's box, its level count, the division option, the set name), over the
// record as another computer may have left it, and gives `actual` the record stored. False when
// the file's lock or the write failed.
bool DesarCanvisGrup(const QString& carpeta, int grup, const ConfigGrup& llegit,
                     ConfigGrup& actual);

// The text with its n-th character (1-based) replaced by `c`.
QByteArray CanviaCaracter(char c, const QByteArray& text, int n);
