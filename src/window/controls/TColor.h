#pragma once

#include <QColor>
#include <QRgb>
#include <QtGlobal>

// Colours as the device tool stores them: 0x00BBGGRR (red in the low byte).
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clBtnFace = 0xF0F0F0;
constexpr TColor clBtnShadow = 0xA0A0A0;
constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor clGrayText = 0x6D6D6D;

inline QColor toQColor(TColor c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline TColor fromQColor(const QColor& c)
{
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

// The opaque pixel value of a colour, as QImage stores it (0xAARRGGBB).
constexpr QRgb toQRgb(TColor c)
{
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// The colour of a pixel value; alpha is dropped.
constexpr TColor fromQRgb(QRgb p)
{
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
