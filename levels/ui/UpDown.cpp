#include "UpDown.h"

#include "Units.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kAmple = 300;
constexpr int kAltMeitat = 210;
constexpr int kPasLlarg = 10;

} // namespace

UpDown::UpDown(int minim, int maxim, QWidget* parent)
    : QWidget(parent), minim_(minim), maxim_(maxim), amunt_(new QToolButton),
      avall_(new QToolButton) {
    setFocusPolicy(Qt::StrongFocus);
    auto* capsa = new QVBoxLayout(this);
    capsa->setContentsMargins(0, 0, 0, 0);
    capsa->setSpacing(0);
    const struct {
        QToolButton* boto;
        const char* nom;
        Qt::ArrowType fletxa;
        int pas;
    } botons[2] = {{amunt_, "amunt", Qt::UpArrow, 1}, {avall_, "avall", Qt::DownArrow, -1}};
    for (const auto& b : botons) {
        b.boto->setObjectName(b.nom);
        b.boto->setArrowType(b.fletxa);
        b.boto->setAutoRepeat(true);
        b.boto->setFocusPolicy(Qt::NoFocus);
        b.boto->setFixedSize(tw(kAmple), tw(kAltMeitat));
        b.boto->setAccessibleName(b.pas > 0 ? QStringLiteral("+") : QStringLiteral("-"));
        capsa->addWidget(b.boto);
        const int pas = b.pas;
        connect(b.boto, &QToolButton::clicked, this, [this, pas] { setValue(value_ + pas); });
    }
}

void UpDown::setValue(int v) {
    v = std::clamp(v, minim_, maxim_);
    if (v == value_)
        return;
    value_ = v;
    emit valueChanged(v);
}

void UpDown::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        setValue(value_ + 1);
        break;
    case Qt::Key_Down:
        setValue(value_ - 1);
        break;
    case Qt::Key_PageUp:
        setValue(value_ + kPasLlarg);
        break;
    case Qt::Key_PageDown:
        setValue(value_ - kPasLlarg);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
