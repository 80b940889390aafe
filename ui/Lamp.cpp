#include "ui/Lamp.h"

#include <QPainter>

namespace pralomen::ui {

QColor LampColor(JudgeColor color) {
    switch (color) {
    case JudgeColor::Blue: return QColor(0, 0, 255);
    case JudgeColor::Red: return QColor(255, 0, 0);
    case JudgeColor::Cyan: return QColor(0, 255, 255);
    case JudgeColor::Yellow: return QColor(255, 255, 0);
    case JudgeColor::Green: return QColor(0, 128, 0);
    case JudgeColor::White: break;
    }
    return QColor(255, 255, 255);
}

Lamp::Lamp(Shape shape, int size, QWidget* parent) : QWidget(parent), shape_(shape) { setFixedSize(size, size); }

void Lamp::SetColor(const QColor& color) {
    color_ = color;
    update();
}

void Lamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(color_);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (shape_ == Shape::Circle)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

} // namespace pralomen::ui
