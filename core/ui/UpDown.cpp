#include "core/ui/UpDown.h"

#include "core/ui/Units.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 210;
constexpr int kMargin = 30; // around the arrows, where the focus shows

QToolButton* arrow(Qt::ArrowType type, const char* name, const char* sign, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAccessibleName(sign);
    b->setArrowType(type);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(tw(kWidth), tw(kHeight));
    return b;
}

} // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(arrow(Qt::UpArrow, "Amunt", "+", this)),
      down_(arrow(Qt::DownArrow, "Avall", "-", this)) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(tw(kMargin), tw(kMargin), tw(kMargin), tw(kMargin));
    column->setSpacing(0);
    column->addWidget(up_);
    column->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    updateArrows();
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    updateArrows();
}

void UpDown::setValue(int value) {
    value_ = value;
    updateArrows();
}

void UpDown::stepBy(int steps) {
    if (!isEnabled())
        return;
    // A value outside the range comes back to its nearer end with the first step.
    const int from = std::clamp(value_, minimum_ - 1, maximum_ + 1);
    applyValue(std::clamp(from + steps, minimum_, maximum_));
}

void UpDown::applyValue(int value) {
    if (value == value_)
        return;
    value_ = value;
    updateArrows();
    emit valueChanged(value_);
}

void UpDown::updateArrows() {
    up_->setEnabled(value_ < maximum_);
    down_->setEnabled(value_ > minimum_);
}

QSize UpDown::sizeHint() const {
    return {tw(kWidth + 2 * kMargin), tw(2 * kHeight + 2 * kMargin)};
}

void UpDown::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Highlight));
    p.drawRect(rect());
}

void UpDown::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void UpDown::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        stepBy(1);
        break;
    case Qt::Key_Down:
        stepBy(-1);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_End:
        applyValue(maximum_);
        break;
    case Qt::Key_PageDown:
    case Qt::Key_Home:
        applyValue(minimum_);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void UpDown::wheelEvent(QWheelEvent* event) {
    const int passos = event->angleDelta().y() / 120;
    if (passos == 0 || !isEnabled()) {
        QWidget::wheelEvent(event);
        return;
    }
    stepBy(passos);
    event->accept();
}

void UpDown::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        updateArrows();
    QWidget::changeEvent(event);
}
