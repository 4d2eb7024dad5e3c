#pragma once

#include <QPushButton>

// The pupil's picture button `Imatge`: shows the picture as its icon and, while it has none, a
// faint outline of a person, so that the empty button still reads as "a picture goes here".
class BotoImatge : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
