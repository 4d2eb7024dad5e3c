#pragma once

#include <QColor>
#include <QRect>

// Positions and sizes of controls are given in twips (1/1440 inch); at 96 dpi a logical pixel is
// 15 twips. Qt's device pixel ratio takes care of HiDPI screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int tw(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect tw(const QRect& twips) {
    return {tw(twips.x()), tw(twips.y()), tw(twips.width()), tw(twips.height())};
}

// Colours are given as 0x00BBGGRR.
inline QColor colorBgr(unsigned bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
