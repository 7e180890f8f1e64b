// Draws the program's pictures: PIC/BK_1.jpg and PIC/BK_2.jpg (background tiles per language),
// StartE.jpg and StartC.jpg (start-up pictures), the toolbar's own cut, copy and paste pictures
// PIC/edit-cut.png, PIC/edit-copy.png and PIC/edit-paste.png, and the program's icon
// icons/hicolor/<N>x<N>/apps/mk21cps.png, into the resources folder given.

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int JpegQuality = 95;
constexpr int TileSize = 200;
constexpr QSize StartSize{480, 300};
const QString LatinFamily = QStringLiteral("DejaVu Sans");
const QString CjkFamily = QStringLiteral("WenQuanYi Micro Hei");

QFont Font(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A pale tile with faint arcs in its middle. The main window cuts the one-pixel frame off and
// repeats the inside, so everything drawn stays clear of the inner edges and the tiles meet
// without a seam.
QImage BackgroundTile(QColor paper, QColor ink)
{
    QImage image(TileSize, TileSize, QImage::Format_RGB32);
    image.fill(paper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor faint = ink;
    faint.setAlpha(40);
    p.setPen(QPen(faint, 2));
    const QPointF centre(TileSize / 2.0, TileSize / 2.0 + 20);
    for (int r = 18; r <= 54; r += 18) {
        const QRectF box(centre.x() - r, centre.y() - r, 2.0 * r, 2.0 * r);
        p.drawArc(box, 45 * 16, 90 * 16);
    }
    p.setBrush(faint);
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, 4, 4);
    // A frame only a little darker than the paper: JPEG blurs it into the next pixel, which is kept.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(paper.darker(112));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, TileSize - 1, TileSize - 1);
    return image;
}

// A handheld radio in outline: body, display, keypad and antenna.
void DrawRadio(QPainter& p, QPointF origin)
{
    const QColor line(230, 236, 245);
    p.setPen(QPen(line, 2));
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(QRectF(origin.x(), origin.y() + 40, 70, 150), 10, 10);
    p.drawRect(QRectF(origin.x() + 48, origin.y(), 10, 40));
    p.setBrush(QColor(160, 220, 255, 90));
    p.drawRoundedRect(QRectF(origin.x() + 10, origin.y() + 58, 50, 32), 3, 3);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col)
            p.drawEllipse(QRectF(origin.x() + 13 + col * 17, origin.y() + 102 + row * 19, 10, 10));
    }
    p.setBrush(Qt::NoBrush);
    for (int r = 14; r <= 42; r += 14)
        p.drawArc(QRectF(origin.x() + 53 - r, origin.y() - r, 2.0 * r, 2.0 * r), 20 * 16, 50 * 16);
}

QImage StartPicture(const QString& subtitle, const QString& subtitleFamily)
{
    QImage image(StartSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, StartSize.height());
    sky.setColorAt(0, QColor(24, 58, 110));
    sky.setColorAt(1, QColor(10, 24, 52));
    p.fillRect(image.rect(), sky);
    QRadialGradient glow(QPointF(380, 110), 220);
    glow.setColorAt(0, QColor(90, 150, 220, 90));
    glow.setColorAt(1, QColor(90, 150, 220, 0));
    p.fillRect(image.rect(), glow);

    DrawRadio(p, QPointF(370, 50));

    p.setPen(Qt::white);
    p.setFont(Font(LatinFamily, 52, true));
    p.drawText(QRectF(36, 70, 330, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("MK-21 CPS"));
    p.setPen(QColor(200, 220, 245));
    p.setFont(Font(subtitleFamily, 19, false));
    p.drawText(QRectF(38, 146, 320, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle);

    p.setPen(QPen(QColor(120, 170, 230), 2));
    p.drawLine(QPointF(38, 140), QPointF(330, 140));
    p.setPen(QColor(150, 175, 210));
    p.setFont(Font(LatinFamily, 13, false));
    p.drawText(QRectF(38, 250, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("MK-21  ·  MK-21G"));
    return image;
}

// Toolbar pictures: 32 x 32 on a transparent ground, dark outlines that read on light and grey
// toolbars alike.
constexpr int IconSize = 32;
const QColor IconInk(40, 52, 72);
const QColor IconPaper(250, 250, 250);
const QColor IconAccent(70, 120, 190);

void BeginIcon(QPainter& p, QImage& image)
{
    image.fill(Qt::transparent);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
}

// A sheet of paper with a folded corner and a few lines of text.
void DrawSheet(QPainter& p, QRectF box)
{
    const qreal fold = 6;
    QPainterPath sheet;
    sheet.moveTo(box.left(), box.top());
    sheet.lineTo(box.right() - fold, box.top());
    sheet.lineTo(box.right(), box.top() + fold);
    sheet.lineTo(box.right(), box.bottom());
    sheet.lineTo(box.left(), box.bottom());
    sheet.closeSubpath();
    p.setPen(QPen(IconInk, 1.5));
    p.setBrush(IconPaper);
    p.drawPath(sheet);
    p.setPen(QPen(IconAccent, 1.5));
    for (qreal y = box.top() + 9; y < box.bottom() - 3; y += 4)
        p.drawLine(QPointF(box.left() + 3, y), QPointF(box.right() - 3, y));
}

// Scissors: two blades crossing above two finger rings.
QImage CutIcon()
{
    QImage image(IconSize, IconSize, QImage::Format_ARGB32);
    QPainter p;
    BeginIcon(p, image);
    p.setPen(QPen(IconInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 3), QPointF(20, 21));
    p.drawLine(QPointF(21, 3), QPointF(12, 21));
    p.setPen(QPen(IconAccent, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(9.5, 24.5), 4.5, 4.5);
    p.drawEllipse(QPointF(22.5, 24.5), 4.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(IconInk);
    p.drawEllipse(QPointF(16, 12), 1.6, 1.6);
    p.end();
    return image;
}

// Two sheets, one over the other.
QImage CopyIcon()
{
    QImage image(IconSize, IconSize, QImage::Format_ARGB32);
    QPainter p;
    BeginIcon(p, image);
    DrawSheet(p, QRectF(4.5, 3.5, 15, 19));
    DrawSheet(p, QRectF(12.5, 9.5, 15, 19));
    p.end();
    return image;
}

// A clipboard with its clip, a sheet on it.
QImage PasteIcon()
{
    QImage image(IconSize, IconSize, QImage::Format_ARGB32);
    QPainter p;
    BeginIcon(p, image);
    p.setPen(QPen(IconInk, 1.5));
    p.setBrush(QColor(196, 150, 96));
    p.drawRoundedRect(QRectF(4.5, 5.5, 19, 24), 2, 2);
    p.setBrush(QColor(170, 176, 186));
    p.drawRoundedRect(QRectF(9.5, 2.5, 9, 6), 1.5, 1.5);
    DrawSheet(p, QRectF(13.5, 11.5, 15, 18));
    p.end();
    return image;
}

// The program's icon: a handheld radio, dark body with a lit display, its antenna and, from
// 32 px up, its keys and the waves it sends. Laid out on a 64-unit square and every edge put on
// a whole pixel of the size drawn, so that the 16 px picture stays sharp.
constexpr std::array<int, 7> ProgramIconSizes{16, 24, 32, 48, 64, 128, 256};

QImage ProgramIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    QPainter p;
    BeginIcon(p, image);
    const auto px = [size](qreal units) { return std::round(units * size / 64.0); };
    const auto box = [&px](qreal left, qreal top, qreal right, qreal bottom) {
        return QRectF(QPointF(px(left), px(top)), QPointF(px(right), px(bottom)));
    };
    const qreal rim = std::max(1.0, px(2)); // the outline, at least one pixel
    const QColor ink(24, 32, 48);
    p.setPen(Qt::NoPen);

    // Antenna (mid-tone, so that it shows on dark panels too), then the body over its foot: an
    // outline filled in ink, the inside shaded.
    p.setBrush(QColor(84, 102, 132));
    p.drawRoundedRect(box(19, 3, 27, 26), px(2), px(2));
    p.setBrush(ink);
    const QRectF body = box(11, 19, 53, 62);
    const qreal corner = px(7);
    p.drawRoundedRect(body, corner, corner);
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(92, 112, 142));
    shade.setColorAt(1, QColor(44, 56, 78));
    p.setBrush(shade);
    p.drawRoundedRect(body.adjusted(rim, rim, -rim, -rim), corner - rim, corner - rim);

    // The display: the brightest part, what makes the shape read as a radio at 16 px.
    const QRectF display = box(17, 25, 47, 39);
    p.setBrush(ink);
    p.drawRoundedRect(display, px(2), px(2));
    QLinearGradient lit(display.topLeft(), display.bottomLeft());
    lit.setColorAt(0, QColor(190, 236, 255));
    lit.setColorAt(1, QColor(120, 196, 240));
    p.setBrush(lit);
    const qreal inset = size >= 32 ? rim / 2 : 0;
    p.drawRect(display.adjusted(inset + 1, inset + 1, -inset - 1, -inset - 1));

    if (size < 32) {
        // One light bar stands for the keys.
        p.setBrush(QColor(200, 210, 224));
        p.drawRect(box(17, 46, 47, 51));
        p.end();
        return image;
    }
    p.setBrush(QColor(214, 222, 234));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const qreal x = 18 + col * 10;
            const qreal y = 43 + row * 6;
            p.drawRoundedRect(box(x, y, x + 8, y + 4), px(1), px(1));
        }
    }
    // Waves from the antenna's tip.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(IconAccent, std::max(1.5, size / 20.0), Qt::SolidLine, Qt::RoundCap));
    const QPointF tip(px(28), px(10));
    for (qreal r : {7.0, 13.0}) {
        const qreal radius = r * size / 64.0;
        p.drawArc(QRectF(tip.x() - radius, tip.y() - radius, 2 * radius, 2 * radius), -45 * 16, 90 * 16);
    }
    p.end();
    return image;
}

bool Save(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    const bool png = path.endsWith(QLatin1String(".png"));
    const bool ok = png ? image.save(path, "PNG") : image.save(path, "JPG", JpegQuality);
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "cannot write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: mk21art <resources folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok =
        Save(BackgroundTile(QColor(236, 241, 247), QColor(150, 168, 196)), out.filePath("PIC/BK_1.jpg"));
    ok = Save(BackgroundTile(QColor(246, 241, 232), QColor(196, 168, 140)), out.filePath("PIC/BK_2.jpg")) &&
         ok;
    ok = Save(StartPicture(QStringLiteral("Programming software for MK-21 handheld radios"), LatinFamily),
              out.filePath("StartE.jpg")) &&
         ok;
    ok = Save(StartPicture(QStringLiteral("MK-21 系列对讲机写频软件"), CjkFamily),
              out.filePath("StartC.jpg")) &&
         ok;
    ok = Save(CutIcon(), out.filePath("PIC/edit-cut.png")) && ok;
    ok = Save(CopyIcon(), out.filePath("PIC/edit-copy.png")) && ok;
    ok = Save(PasteIcon(), out.filePath("PIC/edit-paste.png")) && ok;
    for (int size : ProgramIconSizes) {
        const QString name = QStringLiteral("icons/hicolor/%1x%1/apps/mk21cps.png").arg(size);
        ok = Save(ProgramIcon(size), out.filePath(name)) && ok;
    }
    return ok ? 0 : 1;
}
