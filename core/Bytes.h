#pragma once

#include <QByteArray>
#include <cstdint>

// Explicit little-endian access to the fields of a fixed-length record. Reads past the end of the
// buffer yield zero bytes, as reading past the end of a record file does.
namespace Bytes {

inline uint8_t u8(const QByteArray& b, int at) {
    return at < b.size() ? static_cast<uint8_t>(b[at]) : 0;
}

inline int16_t i16(const QByteArray& b, int at) {
    return static_cast<int16_t>(u8(b, at) | (u8(b, at + 1) << 8));
}

inline int32_t i32(const QByteArray& b, int at) {
    const uint32_t v = uint32_t(u8(b, at)) | uint32_t(u8(b, at + 1)) << 8 |
                       uint32_t(u8(b, at + 2)) << 16 | uint32_t(u8(b, at + 3)) << 24;
    return static_cast<int32_t>(v);
}

inline void putU8(QByteArray& b, int at, uint8_t v) {
    b[at] = static_cast<char>(v);
}

inline void putI16(QByteArray& b, int at, int16_t v) {
    const auto u = static_cast<uint16_t>(v);
    b[at] = static_cast<char>(u & 0xFF);
    b[at + 1] = static_cast<char>(u >> 8);
}

inline void putI32(QByteArray& b, int at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

inline void putBytes(QByteArray& b, int at, const QByteArray& field) {
    b.replace(at, field.size(), field);
}

} // namespace Bytes
