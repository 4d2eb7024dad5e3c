#pragma once

#include <QLabel>

// A one-line bold caption (the title) drawn with the front page's bold face scaled to the label's
// own point size, so a large title costs no font of its own. font() still tells its size.
class RotolEscalat : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
