// A label that reports the release of the left mouse button over it, with a settable text
// colour: the mode page's 标签_设置辈份 and the about window's 透明标签2.
#pragma once

#include <QColor>
#include <QLabel>

namespace langyue {

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void set_text_colour(const QColor& colour);
    QColor text_colour() const;

signals:
    // The left mouse button was released over the label.
    void released();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace langyue
