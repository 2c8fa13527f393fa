#include "window/controls/GaugeText.h"

#include "window/controls/ColorMap.h"

#include <QLocale>

#include <cmath>

namespace {

// "1.5E+0001": the shortest mantissa that reads back exactly, at least one decimal, and a
// signed four-digit exponent.
QString FullExponentText(double value)
{
    const QString shortest = QString::number(value, 'E', QLocale::FloatingPointShortest);
    const int e = shortest.indexOf(QLatin1Char('E'));
    if (e < 0)
        return shortest;  // nan, inf
    QString mantissa = shortest.left(e);
    if (!mantissa.contains(QLatin1Char('.')))
        mantissa += QStringLiteral(".0");
    const QChar sign = shortest.at(e + 1);
    const QString digits = shortest.mid(e + 2).rightJustified(4, QLatin1Char('0'));
    return mantissa + QLatin1Char('E') + sign + digits;
}

QString ShortExponentText(double value)
{
    const QString full = FullExponentText(value);
    const int e = full.indexOf(QLatin1Char('E'));
    if (e < 0)
        return full;
    const QString digits = full.mid(e + 2);
    if (digits.size() != 4 || !digits.startsWith(QStringLiteral("00")))
        return QString(full.size(), QLatin1Char('*'));
    return full.left(e + 2) + digits.mid(2);
}

}  // namespace

QString FormatGaugeValue(double value, int decPlaces)
{
    if (decPlaces >= 0)
        return QString::number(value, 'f', decPlaces);
    return decPlaces == -1 ? ShortExponentText(value) : FullExponentText(value);
}

QPoint GaugeTextOffset(TAlignment alignment, int halfWidth, int halfHeight, int angleDegrees)
{
    const double a = angleDegrees * M_PI / 180.0;
    const double s = std::sin(a), c = std::cos(a);
    const double w2 = halfWidth, h2 = halfHeight;
    double dx = 0, dy = 0;
    switch (alignment) {
    case taLeftJustify:
        dx = -h2 * s;
        dy = -h2 * c;
        break;
    case taCenter:
        dx = -w2 * c - h2 * s;
        dy = w2 * s - h2 * c;
        break;
    case taRightJustify:
        dx = -2 * w2 * c - h2 * s;
        dy = 2 * w2 * s - h2 * c;
        break;
    }
    return QPoint(int(Nearest(dx)), int(Nearest(dy)));
}
