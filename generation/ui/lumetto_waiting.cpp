#include "generation/ui/lumetto_waiting.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace langyue {
namespace {

constexpr int kFrameWidth = 145;
constexpr int kFrameHeight = 15;
constexpr int kMoons = 8;

}  // namespace

WaitingAnimation::WaitingAnimation(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("图片框1"));
    setFixedSize(144, 17);
    timer_->setInterval(kFrameMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] {
        frame_ = (frame_ + 1) % kFrames;
        update();
    });
}

// Frame k: eight moons in a row; the moons up to k are full and bright, the one at k is
// waxing, the rest are thin crescents, so that the light runs from left to right.
QPixmap WaitingAnimation::frame_picture(int index) {
    QPixmap picture(kFrameWidth, kFrameHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal step = static_cast<qreal>(kFrameWidth) / kMoons;
    const qreal radius = 5.5;
    for (int moon = 0; moon < kMoons; ++moon) {
        const QPointF centre(step * moon + step / 2, kFrameHeight / 2.0);
        const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(214, 222, 236));
        painter.drawEllipse(disc);
        // The lit part: a full disc behind the wave, a growing one at it, a sliver ahead.
        const qreal lit = moon < index ? 1.0 : moon == index ? 0.6 : 0.15;
        QPainterPath light;
        light.addEllipse(disc);
        QPainterPath shade;
        shade.addEllipse(disc.translated(2 * radius * lit, 0));
        painter.setBrush(moon <= index ? QColor(236, 178, 46) : QColor(176, 188, 210));
        painter.drawPath(lit >= 1.0 ? light : light.subtracted(shade));
    }
    return picture;
}

void WaitingAnimation::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 1, frame_picture(frame_));
}

void WaitingAnimation::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    frame_ = 0;
    timer_->start();
}

void WaitingAnimation::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}

LumettoWaiting::LumettoWaiting(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("LumettoWaiting"));
    setWindowTitle(QStringLiteral("请稍等"));
    setModal(false);
    setFixedSize(380, 52);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("外形框1"));
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(0, 0, 380, 52);

    auto* animation = new WaitingAnimation(this);
    animation->move(118, 8);

    auto* message = new QLabel(QStringLiteral("正在生成,请稍等一下......"), this);
    message->setObjectName(QStringLiteral("透明标签1"));
    message->setAttribute(Qt::WA_TranslucentBackground);
    message->setAlignment(Qt::AlignCenter);
    message->setGeometry(10, 29, 360, 14);
}

}  // namespace langyue
