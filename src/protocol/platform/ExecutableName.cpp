#include "protocol/platform/ExecutableName.h"

namespace {

ushort asciiLower(ushort c)
{
    return (c >= 'A' && c <= 'Z') ? ushort(c - 'A' + 'a') : c;
}

}  // namespace

QString BareFileName(const QString& path)
{
    int cut = -1;
    for (int i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            cut = i;
    }
    return path.mid(cut + 1);
}

bool SameNameIgnoringAsciiCase(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i)
        if (asciiLower(a.at(i).unicode()) != asciiLower(b.at(i).unicode()))
            return false;
    return true;
}
