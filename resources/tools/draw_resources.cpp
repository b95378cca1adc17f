// Draws the program's pictures, window icon and hand pointer as PNG files
// into the folder given on the command line. generate.sh turns them into the
// committed files.
#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <cstdio>

namespace {

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// Red disc with the four cardinal letters and a cross-hair.
QImage icon()
{
    QImage img = blank(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 0, 0), 1));
    p.setBrush(QColor(220, 0, 0));
    p.drawEllipse(QRectF(0.5, 0.5, 31, 31));
    QFont f("Liberation Sans");
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(11, 1, 10, 10), Qt::AlignCenter, "N");
    p.drawText(QRect(11, 21, 10, 10), Qt::AlignCenter, "S");
    p.drawText(QRect(22, 11, 9, 10), Qt::AlignCenter, "E");
    p.drawText(QRect(1, 11, 9, 10), Qt::AlignCenter, "W");
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(13, 16, 19, 16);
    p.drawLine(16, 13, 16, 19);
    return img;
}

// White hand, index finger up, black outline; the tip of the finger is the
// hot spot (6, 1).
QImage hand()
{
    QImage img = blank(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    QPolygon thumb({QPoint(5, 21), QPoint(0, 15), QPoint(1, 12), QPoint(6, 16)});
    p.drawPolygon(thumb);
    p.drawRoundedRect(QRectF(4, 15, 20, 13), 4, 4);   // palm
    p.drawRoundedRect(QRectF(9, 11, 5, 8), 2.5, 2.5); // curled fingers
    p.drawRoundedRect(QRectF(14, 12, 5, 7), 2.5, 2.5);
    p.drawRoundedRect(QRectF(19, 13, 5, 7), 2.5, 2.5);
    p.drawRoundedRect(QRectF(4, 1, 5, 18), 2.5, 2.5); // index finger
    p.setPen(Qt::white);
    p.drawLine(5, 16, 7, 16); // joins finger to palm
    return img;
}

// The method: a post shaped like an inverted L on an oval base, a plumb line
// from the arm's end to a bob in a dish of water, and the line's shadow.
QImage plumbLine(int scale)
{
    QImage img = blank(210 * scale, 229 * scale);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, false);

    // Shadow first, so the post stands in front of it.
    p.setPen(QPen(QColor(128, 128, 128), 2));
    p.drawLine(38, 214, 206, 122);
    QFont f("Liberation Sans");
    f.setPixelSize(12);
    f.setItalic(true);
    p.setFont(f);
    p.save();
    p.translate(72, 187);
    p.rotate(-28.7);
    p.drawText(0, 0, "Shadow");
    p.restore();

    // Dish of water with the bob in it.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 255, 255));
    p.drawEllipse(QRect(18, 206, 40, 14));
    p.setBrush(QColor(0, 160, 0));
    p.drawEllipse(QRect(34, 203, 8, 10));

    // Plumb line from the arm's end.
    p.drawLine(38, 24, 38, 203);

    // Oval base, then the post and its arm as outlines (inside transparent).
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    p.drawEllipse(QRect(118, 204, 84, 18));
    QPainterPath post;
    post.moveTo(152, 212);
    post.lineTo(152, 30);
    post.lineTo(36, 30);
    post.lineTo(36, 20);
    post.lineTo(166, 20);
    post.lineTo(166, 212);
    post.closeSubpath();
    // Blank out the shadow behind the post so it passes behind it.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRect(153, 31, 13, 181), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawPath(post);
    return img;
}

// The maker's name: yellow-orange serif letters over a pale grey italic
// shadow copy.
QImage banner(int scale)
{
    QImage img = blank(524 * scale, 68 * scale);
    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont f("Liberation Serif");
    f.setPixelSize(58);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(200, 200, 200));
    p.drawText(QRect(8, 2, 524, 68), Qt::AlignHCenter | Qt::AlignVCenter, "Tarnwick");
    f.setItalic(false);
    p.setFont(f);
    p.setPen(QColor(250, 170, 20));
    p.drawText(QRect(0, -4, 524, 68), Qt::AlignHCenter | Qt::AlignVCenter, "Tarnwick");
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]) + "/";
    bool ok = icon().save(out + "icon.png");
    ok = hand().save(out + "hand.png") && ok;
    ok = plumbLine(1).save(out + "image1.png") && ok;
    ok = banner(1).save(out + "image2.png") && ok;
    // Twice the size, for screens of twice the density: drawn, not enlarged.
    ok = plumbLine(2).save(out + "image1@2x.png") && ok;
    ok = banner(2).save(out + "image2@2x.png") && ok;
    return ok ? 0 : 1;
}
