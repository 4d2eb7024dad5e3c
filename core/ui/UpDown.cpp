#include "core/ui/UpDown.h"

#include "core/ui/Units.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kAmple = 360;
constexpr int kAlt = 210;
constexpr int kVora = 30; // around the arrows, where the focus shows

QToolButton* fletxa(Qt::ArrowType tipus, const char* nom, const char* signe, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setAccessibleName(signe);
    b->setArrowType(tipus);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(tw(kAmple), tw(kAlt));
    return b;
}

} // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), amunt_(fletxa(Qt::UpArrow, "Amunt", "+", this)),
      avall_(fletxa(Qt::DownArrow, "Avall", "-", this)) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* capsa = new QVBoxLayout(this);
    capsa->setContentsMargins(tw(kVora), tw(kVora), tw(kVora), tw(kVora));
    capsa->setSpacing(0);
    capsa->addWidget(amunt_);
    capsa->addWidget(avall_);
    connect(amunt_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(avall_, &QToolButton::clicked, this, [this] { stepBy(-1); });
    actualitzaBotons();
}

void UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    actualitzaBotons();
}

void UpDown::setValue(int value) {
    value_ = value;
    actualitzaBotons();
}

void UpDown::stepBy(int steps) {
    if (!isEnabled())
        return;
    // A value outside the range comes back to its nearer end with the first step.
    const int desde = std::clamp(value_, minimum_ - 1, maximum_ + 1);
    posaValor(std::clamp(desde + steps, minimum_, maximum_));
}

void UpDown::posaValor(int value) {
    if (value == value_)
        return;
    value_ = value;
    actualitzaBotons();
    emit valueChanged(value_);
}

void UpDown::actualitzaBotons() {
    amunt_->setEnabled(value_ < maximum_);
    avall_->setEnabled(value_ > minimum_);
}

QSize UpDown::sizeHint() const {
    return {tw(kAmple + 2 * kVora), tw(2 * kAlt + 2 * kVora)};
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
        posaValor(maximum_);
        break;
    case Qt::Key_PageDown:
    case Qt::Key_Home:
        posaValor(minimum_);
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
        actualitzaBotons();
    QWidget::changeEvent(event);
}
