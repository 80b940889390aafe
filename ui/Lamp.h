// The judgement lamp: a small circle or square painted in one colour.
#pragma once

#include <QColor>
#include <QWidget>

#include "engine/Judgement.h"

namespace pralomen::ui {

// The engine's colour by its name, never by its number: the engine counts blue in the high byte.
QColor LampColor(JudgeColor color);

class Lamp : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Circle, Square };
    Lamp(Shape shape, int size, QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    QColor Color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape shape_;
    QColor color_ = Qt::white;
};

} // namespace pralomen::ui
