#include "app/ui/program_images.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <array>

namespace langyue {
namespace {

QPixmap transparent_pixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A rounded tile in `color` with one Chinese character on it.
QPixmap glyph_tile(int size, const QColor& color, const QString& glyph) {
    QPixmap pixmap = transparent_pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, color.lighter(130));
    fill.setColorAt(1, color.darker(115));
    painter.setBrush(fill);
    painter.setPen(QPen(color.darker(150), size / 16.0));
    const qreal margin = size / 16.0;
    painter.drawRoundedRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin),
                            size / 5.0, size / 5.0);
    QFont font;
    font.setPixelSize(size * 9 / 16);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, glyph);
    return pixmap;
}

void draw_crescent(QPainter& painter, const QRectF& box, const QColor& color) {
    QPainterPath moon;
    moon.addEllipse(box);
    QPainterPath bite;
    bite.addEllipse(box.translated(box.width() * 0.35, -box.height() * 0.15));
    painter.fillPath(moon.subtracted(bite), color);
}

}  // namespace

QIcon toolbar_image(int button) {
    struct Tile {
        const char* glyph;
        QColor color;
    };
    static const std::array<Tile, 5> tiles = {{{"选", QColor(52, 120, 198)},
                                               {"八", QColor(196, 120, 38)},
                                               {"评", QColor(200, 60, 70)},
                                               {"录", QColor(60, 150, 90)},
                                               {"字", QColor(120, 80, 170)}}};
    const Tile& tile = tiles[static_cast<size_t>(std::clamp(button, 0, 4))];
    QIcon icon;
    for (int size : {24, 32, 48}) {
        icon.addPixmap(glyph_tile(size, tile.color, QString::fromUtf8(tile.glyph)));
    }
    return icon;
}

QPixmap status_image(int index) {
    static const std::array<const char*, 7> glyphs = {"经", "高", "吉", "诗", "组", "小", "英"};
    static const std::array<QColor, 7> colors = {QColor(52, 120, 198), QColor(200, 60, 70),
                                                 QColor(210, 150, 20), QColor(60, 150, 90),
                                                 QColor(120, 80, 170), QColor(230, 110, 150),
                                                 QColor(40, 150, 160)};
    const size_t i = static_cast<size_t>(std::clamp(index, 0, 6));
    return glyph_tile(16, colors[i], QString::fromUtf8(glyphs[i]));
}

QIcon row_image() {
    QPixmap pixmap = transparent_pixmap(16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw_crescent(painter, QRectF(2, 2, 12, 12), QColor(225, 170, 30));
    painter.end();
    return QIcon(pixmap);
}

QIcon window_icon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap = transparent_pixmap(size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(30, 50, 110));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 5.0, size / 5.0);
        QRadialGradient glow(size * 0.5, size * 0.45, size * 0.32);
        glow.setColorAt(0, QColor(255, 246, 200));
        glow.setColorAt(1, QColor(245, 205, 90));
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(size * 0.5, size * 0.45), size * 0.28, size * 0.28);
        painter.setPen(QPen(QColor(255, 230, 150), size / 16.0));
        painter.drawArc(QRectF(size * 0.18, size * 0.55, size * 0.64, size * 0.3), 180 * 16,
                        180 * 16);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap about_picture(const QSize& size) {
    QPixmap pixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(18, 30, 74));
    sky.setColorAt(0.7, QColor(52, 72, 140));
    sky.setColorAt(1, QColor(120, 110, 160));
    painter.fillRect(pixmap.rect(), sky);

    // Stars at fixed places: the generator is seeded with a constant so the picture never
    // changes between runs.
    QRandomGenerator stars(20130101);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const QPointF at(stars.bounded(size.width()), stars.bounded(size.height() * 3 / 4));
        const qreal radius = 0.6 + stars.bounded(14) / 10.0;
        painter.setBrush(QColor(255, 255, 230, 120 + stars.bounded(130)));
        painter.drawEllipse(at, radius, radius);
    }

    // The bright moon with its halo.
    const QPointF centre(size.width() * 0.8, size.height() * 0.32);
    const qreal radius = size.height() * 0.2;
    QRadialGradient halo(centre, radius * 2.2);
    halo.setColorAt(0, QColor(255, 250, 210, 120));
    halo.setColorAt(1, QColor(255, 250, 210, 0));
    painter.setBrush(halo);
    painter.drawEllipse(centre, radius * 2.2, radius * 2.2);
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    disc.setColorAt(0, QColor(255, 252, 235));
    disc.setColorAt(1, QColor(240, 210, 120));
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);

    // Low hills along the bottom edge.
    QPainterPath hills;
    hills.moveTo(0, size.height());
    hills.cubicTo(size.width() * 0.25, size.height() * 0.72, size.width() * 0.45,
                  size.height() * 0.95, size.width() * 0.7, size.height() * 0.8);
    hills.cubicTo(size.width() * 0.85, size.height() * 0.72, size.width() * 0.95,
                  size.height() * 0.85, size.width(), size.height() * 0.82);
    hills.lineTo(size.width(), size.height());
    hills.closeSubpath();
    painter.fillPath(hills, QColor(20, 28, 60));
    return pixmap;
}

}  // namespace langyue
