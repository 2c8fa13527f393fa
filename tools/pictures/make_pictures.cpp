// Draws the tool's pictures: brand logo, device and state symbols, battery outline, language
// names, LED pictures, the frames of the pairing animation and the application icon.
// Usage: make_pictures <repository root> <frame directory>
// tools/make-pictures.sh builds and runs it and assembles the animation.
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor Ink(0x2F, 0x36, 0x40);       // outlines and dark text
const QColor InkSoft(0x5A, 0x63, 0x70);   // secondary text
const QColor Accent(0x1F, 0x78, 0xD1);    // brand blue
const QColor AccentLight(0x5C, 0xA8, 0xF0);
const QColor Ok(0x2E, 0xA0, 0x4A);
const QColor Bad(0xD2, 0x3F, 0x3A);
const QColor Shell(0xF3, 0xF4, 0xF6);     // light body fill
const QColor ShellShade(0xD3, 0xD7, 0xDD);

// A transparent picture of w x h units at `scale` pixels a unit: the 1x and 2x pictures are
// the same drawing.
QImage Canvas(int w, int h, int scale = 1)
{
    QImage image(w * scale, h * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A painter on a canvas that draws in the canvas's units.
void Begin(QPainter& p, int scale)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);
}

void Save(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QFont Font(const QString& family, int pixelSize, int weight = QFont::Normal)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::Weight(weight));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QLinearGradient Vertical(qreal top, qreal bottom, QColor a, QColor b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// ---- Brand ---------------------------------------------------------------------------------

QImage Logo(int scale)
{
    QImage image = Canvas(200, 66, scale);
    QPainter p(&image);
    Begin(p, scale);

    // Three radio arcs in front of the name.
    QPen wave(Accent, 3.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(wave);
    const QPointF source(10, 33);
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 7.0 * i;
        p.drawArc(QRectF(source.x() - r, source.y() - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawEllipse(source, 3.2, 3.2);

    p.setPen(Ink);
    QFont name = Font(QStringLiteral("DejaVu Sans"), 29, QFont::Black);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(name);
    p.drawText(QRectF(36, 6, 164, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KARVELO"));

    p.setPen(QPen(Accent, 2));
    p.drawLine(QPointF(38, 46), QPointF(196, 46));
    QFont tag = Font(QStringLiteral("DejaVu Sans"), 10, QFont::DemiBold);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p.setFont(tag);
    p.setPen(InkSoft);
    p.drawText(QRectF(38, 48, 160, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("2.4G WIRELESS"));
    return image;
}

// The application icon, drawn on a 64-unit square: a rounded tile, the letter K as an outline
// (so that the scalable icon needs no font) and three radio arcs.
constexpr qreal kIconUnits = 64;
const QRectF kIconTile(2.75, 2.75, 58.5, 58.5);
constexpr qreal kIconTileRadius = 12;
const QPointF kIconWaveSource(38, 27);

QPainterPath IconLetter()
{
    QPainterPath letter;
    letter.addText(0, 0, Font(QStringLiteral("DejaVu Sans"), 40, QFont::Black), QStringLiteral("K"));
    const QRectF room(4, 10, 40, 50);
    return letter.translated(room.center() - letter.boundingRect().center());
}

QImage AppIcon(int size)
{
    QImage image = Canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kIconUnits, size / kIconUnits);
    QLinearGradient ground(0, 0, 0, kIconUnits);
    ground.setColorAt(0, AccentLight);
    ground.setColorAt(1, Accent.darker(125));
    p.setPen(QPen(Accent.darker(160), 1.5));
    p.setBrush(ground);
    p.drawRoundedRect(kIconTile, kIconTileRadius, kIconTileRadius);

    p.fillPath(IconLetter(), Qt::white);

    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 5.5 * i;
        p.drawArc(QRectF(kIconWaveSource.x() - r, kIconWaveSource.y() - r, 2 * r, 2 * r), 0, 90 * 16);
    }
    return image;
}

// The same icon as SVG path data.
QString SvgPathData(const QPainterPath& path)
{
    QString data;
    const auto point = [](qreal x, qreal y) { return QString::asprintf("%.2f %.2f ", x, y); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            data += QStringLiteral("M") + point(e.x, e.y);
        } else if (e.isLineTo()) {
            data += QStringLiteral("L") + point(e.x, e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            data += QStringLiteral("C") + point(e.x, e.y) + point(c2.x, c2.y) + point(end.x, end.y);
            i += 2;
        }
    }
    return data.trimmed() + QStringLiteral("Z");
}

QByteArray AppIconSvg()
{
    QString arcs;
    for (int i = 1; i <= 3; ++i) {
        const qreal r = 5.5 * i;
        arcs += QString::asprintf("M%.2f %.2f A%.2f %.2f 0 0 0 %.2f %.2f ", kIconWaveSource.x() + r,
                                  kIconWaveSource.y(), r, r, kIconWaveSource.x(),
                                  kIconWaveSource.y() - r);
    }
    const QString svg = QStringLiteral(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        "  <defs>\n"
        "    <linearGradient id=\"ground\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"64\" gradientUnits=\"userSpaceOnUse\">\n"
        "      <stop offset=\"0\" stop-color=\"%1\"/>\n"
        "      <stop offset=\"1\" stop-color=\"%2\"/>\n"
        "    </linearGradient>\n"
        "  </defs>\n"
        "  <rect x=\"%3\" y=\"%3\" width=\"%4\" height=\"%4\" rx=\"%5\" fill=\"url(#ground)\" stroke=\"%6\" stroke-width=\"1.5\"/>\n"
        "  <path fill=\"#ffffff\" d=\"%7\"/>\n"
        "  <path fill=\"none\" stroke=\"#ffffff\" stroke-width=\"3.5\" stroke-linecap=\"round\" d=\"%8\"/>\n"
        "</svg>\n")
        .arg(AccentLight.name(), Accent.darker(125).name())
        .arg(kIconTile.x())
        .arg(kIconTile.width())
        .arg(kIconTileRadius)
        .arg(Accent.darker(160).name(), SvgPathData(IconLetter().simplified()), arcs.trimmed());
    return svg.toUtf8();
}

void SaveText(const QByteArray& text, const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// ---- Device symbols --------------------------------------------------------------------------

QImage Mouse(int scale)
{
    QImage image = Canvas(30, 30, scale);
    QPainter p(&image);
    Begin(p, scale);
    const QRectF body(7.5, 2.5, 15, 25);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Vertical(body.top(), body.bottom(), Shell, ShellShade));
    p.drawRoundedRect(body, 7.5, 8.5);
    p.setPen(QPen(Ink, 1.2));
    p.drawLine(QPointF(15, 3), QPointF(15, 12));
    p.drawLine(QPointF(8.2, 12.5), QPointF(21.8, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRoundedRect(QRectF(13.5, 5.5, 3, 5), 1.5, 1.5);
    return image;
}

QImage Keyboard(int scale)
{
    QImage image = Canvas(50, 27, scale);
    QPainter p(&image);
    Begin(p, scale);
    const QRectF body(1.5, 3.5, 47, 21);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Vertical(body.top(), body.bottom(), ShellShade.lighter(104), ShellShade.darker(108)));
    p.drawRoundedRect(body, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Shell);
    const qreal key = 4.2, gap = 1.3, left = 3.65;
    for (int row = 0; row < 3; ++row) {
        const qreal y = 5.6 + row * (key - 0.6 + gap);
        const int keys = row == 2 ? 7 : 8;
        const qreal indent = row == 2 ? (key + gap) / 2 : 0;
        for (int col = 0; col < keys; ++col)
            p.drawRoundedRect(QRectF(left + indent + col * (key + gap), y, key, key - 0.6), 0.8, 0.8);
    }
    p.drawRoundedRect(QRectF(14, 5.6 + 3 * (key - 0.6 + gap), 22, key - 0.9), 0.8, 0.8);
    return image;
}

// Where the battery gauge (67 x 22) goes inside the battery outline.
constexpr int GaugeLeft = 16, GaugeTop = 4, GaugeWidth = 67, GaugeHeight = 22;

QImage Battery(int scale)
{
    QImage image = Canvas(92, 30, scale);
    QPainter p(&image);
    Begin(p, scale);
    // The shell leaves a one-pixel gap around the gauge, which is transparent.
    const QRectF inside(GaugeLeft - 1, GaugeTop - 1, GaugeWidth + 2, GaugeHeight + 2);
    const QRectF outside = inside.adjusted(-2.5, -2.5, 2.5, 2.5);
    QPainterPath shell;
    shell.addRoundedRect(outside, 4, 4);
    QPainterPath hole;
    hole.addRect(inside);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(shell.subtracted(hole));
    // Terminal on the left: the level drains towards it.
    QPainterPath nub;
    nub.addRoundedRect(QRectF(outside.left() - 6, 9, 7.5, 12), 2, 2);
    p.drawPath(nub.subtracted(shell));
    return image;
}

// A USB receiver lying horizontally, plug to the left.
void DrawReceiver(QPainter& p, bool present)
{
    const QColor body = present ? Ink : QColor(0xA4, 0xAA, 0xB3);
    const QColor metal = present ? QColor(0xC9, 0xCE, 0xD6) : QColor(0xDD, 0xE0, 0xE4);
    p.setPen(QPen(body, 1.2));
    p.setBrush(metal);
    p.drawRect(QRectF(3.5, 19.5, 13, 11));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRect(QRectF(7, 22.5, 2.5, 2.5));
    p.drawRect(QRectF(11, 22.5, 2.5, 2.5));
    p.setBrush(Vertical(17, 33, body.lighter(135), body));
    p.drawRoundedRect(QRectF(16, 17, 24, 16), 4, 4);
    p.setBrush(present ? QColor(0x6F, 0xE0, 0x8C) : QColor(0xC4, 0xC8, 0xCE));
    p.drawEllipse(QPointF(34, 25), 2, 2);
}

void DrawBadge(QPainter& p, QColor color, const std::function<void(QPainter&)>& symbol)
{
    const QPointF centre(39, 39);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(color);
    p.drawEllipse(centre, 9.5, 9.5);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    symbol(p);
}

QImage Connected(int scale)
{
    QImage image = Canvas(50, 50, scale);
    QPainter p(&image);
    Begin(p, scale);
    DrawReceiver(p, true);
    DrawBadge(p, Ok, [](QPainter& q) {
        const QPointF tick[] = {{34.5, 39.5}, {38, 43}, {44, 35.5}};
        q.drawPolyline(tick, 3);
    });
    return image;
}

QImage NoDevice(int scale)
{
    QImage image = Canvas(50, 50, scale);
    QPainter p(&image);
    Begin(p, scale);
    DrawReceiver(p, false);
    DrawBadge(p, Bad, [](QPainter& q) {
        q.drawLine(QPointF(35.5, 35.5), QPointF(42.5, 42.5));
        q.drawLine(QPointF(42.5, 35.5), QPointF(35.5, 42.5));
    });
    return image;
}

// Frame `frame` of 4: the receiver sends 0 to 3 waves.
QImage PairingFrame(int frame, int scale)
{
    QImage image = Canvas(50, 50, scale);
    QPainter p(&image);
    Begin(p, scale);
    DrawReceiver(p, true);
    const QPointF source(34, 15);
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        const QColor c = i <= frame ? Accent : QColor(0xD5, 0xE3, 0xF2);
        p.setPen(QPen(c, 2.6, Qt::SolidLine, Qt::RoundCap));
        const qreal r = 4.5 * i;
        p.drawArc(QRectF(source.x() - r, source.y() - r, 2 * r, 2 * r), 20 * 16, 110 * 16);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawEllipse(source, 2, 2);
    return image;
}

QImage Info(int scale)
{
    QImage image = Canvas(32, 32, scale);
    QPainter p(&image);
    Begin(p, scale);
    QRadialGradient ground(QPointF(12, 10), 22);
    ground.setColorAt(0, AccentLight);
    ground.setColorAt(1, Accent);
    p.setPen(QPen(Accent.darker(140), 1.2));
    p.setBrush(ground);
    p.drawEllipse(QPointF(16, 16), 14.4, 14.4);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9.5), 2.3, 2.3);
    p.drawRoundedRect(QRectF(14, 13.5, 4, 11.5), 1.2, 1.2);
    return image;
}

// ---- Language names --------------------------------------------------------------------------

QImage LanguageName(const QString& text, const QString& family, int scale)
{
    QImage image = Canvas(63, 14, scale);
    QPainter p(&image);
    Begin(p, scale);
    p.setPen(Qt::black);
    p.setFont(Font(family, 12));
    p.drawText(QRect(1, 0, 62, 14), Qt::AlignLeft | Qt::AlignVCenter, text);
    return image;
}

// ---- LED pictures --------------------------------------------------------------------------
//
// The body is pure lime with hard edges and the surround of the unbordered pictures pure
// silver, because the LED recolours both by flood fill. A dark ring of every pixel next to the
// body (diagonals included) keeps the body and the surround apart even when both end up the
// same colour.

const QRgb Lime = qRgb(0x00, 0xFF, 0x00);
const QRgb Silver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb Ring = qRgb(0x33, 0x33, 0x33);

enum class LedShape { Round, Square, Pill };

// Signed distance from the pixel centre to a rounded rectangle centred in the picture.
// `scale` pixels a unit.
qreal ShapeDistance(const QImage& image, int x, int y, qreal inset, LedShape shape, int scale)
{
    const qreal hw = image.width() / 2.0 - inset, hh = image.height() / 2.0 - inset;
    const qreal radius = shape == LedShape::Square ? 2.0 * scale : std::min(hw, hh);
    const qreal qx = std::abs(x + 0.5 - image.width() / 2.0) - (hw - radius);
    const qreal qy = std::abs(y + 0.5 - image.height() / 2.0) - (hh - radius);
    const qreal outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

// An LED picture of `units` at `scale` pixels a unit; the ring stays one pixel wide.
QImage Led(QSize units, LedShape shape, bool bordered, int scale)
{
    const int w = units.width() * scale, h = units.height() * scale;
    QImage image(w, h, QImage::Format_ARGB32);
    const bool large = std::min(units.width(), units.height()) >= 22;
    const qreal bodyInset = (bordered ? (large ? 4.5 : 3.5) : (large ? 2.5 : 2.0)) * scale;
    auto inBody = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h &&
               ShapeDistance(image, x, y, bodyInset, shape, scale) < 0;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QRgb pixel = bordered ? qRgba(0, 0, 0, 0) : Silver;
            if (bordered) {
                // Bezel: light at the top left, dark at the bottom right, soft outer edge.
                const qreal d = ShapeDistance(image, x, y, 0.5, shape, scale);
                const qreal coverage = std::clamp(0.5 - d, 0.0, 1.0);
                if (coverage > 0) {
                    const qreal t = (x + y + 1.0) / (w + h);
                    const qreal grey = 0xF2 - t * (0xF2 - 0x8A);
                    const qreal edge = std::clamp(d + 1.6 * scale, 0.0, 1.0);  // darker rim outside
                    const int g = int(grey + (0x5E - grey) * edge);
                    pixel = qRgba(g, g, g, int(coverage * 255));
                }
            }
            if (inBody(x, y)) {
                pixel = Lime;
            } else {
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (inBody(x + dx, y + dy))
                            pixel = Ring;
            }
            image.setPixel(x, y, pixel);
        }
    }
    // A small white gloss spot on the upper left of the body, clear of the centre.
    const qreal bodyW = w - 2 * bodyInset, bodyH = h - 2 * bodyInset;
    const int gx = int(w / 2.0 - bodyW * 0.22), gy = int(h / 2.0 - bodyH * 0.22);
    const int spot = (large ? 2 : 1) * scale;
    for (int y = gy - spot + 1; y <= gy; ++y)
        for (int x = gx - spot + 1; x <= gx; ++x)
            if (inBody(x, y) && !(x == w / 2 && y == h / 2))
                image.setPixel(x, y, qRgb(0xF4, 0xFF, 0xF4));
    return image;
}

struct LedPicture {
    const char* name;
    int w, h;
    LedShape shape;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_pictures <repository root> <frame directory>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString images = root + QStringLiteral("/src/window/resources/images/");
    const QString leds = root + QStringLiteral("/src/window/resources/led/");
    const QString frames = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');

    // Each picture at 1x and, for screens of a higher scale, at 2x ("name@2x.png").
    const QString latin = QStringLiteral("DejaVu Sans"), cjk = QStringLiteral("WenQuanYi Micro Hei");
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        Save(Logo(scale), images + QStringLiteral("logo") + suffix);
        Save(Mouse(scale), images + QStringLiteral("mouse") + suffix);
        Save(Keyboard(scale), images + QStringLiteral("keyboard") + suffix);
        Save(Battery(scale), images + QStringLiteral("battery") + suffix);
        Save(Connected(scale), images + QStringLiteral("connected") + suffix);
        Save(NoDevice(scale), images + QStringLiteral("nodevice") + suffix);
        Save(Info(scale), images + QStringLiteral("info") + suffix);
        Save(LanguageName(QStringLiteral("English"), latin, scale),
             images + QStringLiteral("lang_eng") + suffix);
        Save(LanguageName(QStringLiteral("繁體中文"), cjk, scale),
             images + QStringLiteral("lang_cht") + suffix);
        Save(LanguageName(QStringLiteral("简体中文"), cjk, scale),
             images + QStringLiteral("lang_chs") + suffix);
    }
    for (int i = 0; i < 4; ++i)
        for (const int scale : {1, 2})
            Save(PairingFrame(i, scale),
                 frames + QStringLiteral("pairing%1%2.png").arg(scale == 1 ? "" : "@2x").arg(i));
    const QString icons = root + QStringLiteral("/packaging/icons/");
    for (const int size : {48, 128})
        Save(AppIcon(size), icons + QStringLiteral("%1x%1/karvelo-rf-tool.png").arg(size));
    SaveText(AppIconSvg(), icons + QStringLiteral("scalable/karvelo-rf-tool.svg"));

    const LedPicture ledPictures[] = {
        {"SM", 16, 16, LedShape::Round},  {"LG", 22, 22, LedShape::Round},
        {"SQSM", 16, 16, LedShape::Square}, {"SQLG", 22, 22, LedShape::Square},
        {"VT", 16, 22, LedShape::Pill},   {"HZ", 22, 16, LedShape::Pill},
    };
    for (const LedPicture& led : ledPictures) {
        for (bool bordered : {true, false}) {
            const QString name = QLatin1Char(bordered ? 'B' : 'N') + QLatin1String(led.name);
            for (const int scale : {1, 2})
                Save(Led(QSize(led.w, led.h), led.shape, bordered, scale),
                     leds + name +
                         (scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png")));
        }
    }
    return 0;
}
