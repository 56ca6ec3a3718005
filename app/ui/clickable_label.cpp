#include "app/ui/clickable_label.h"

#include <QMouseEvent>

namespace langyue {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::set_text_colour(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

QColor ClickableLabel::text_colour() const { return palette().color(QPalette::WindowText); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit released();
    }
}

}  // namespace langyue
