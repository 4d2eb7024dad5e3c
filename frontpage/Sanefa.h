#pragma once

#include <QWidget>

// A frieze of coloured toy blocks with the digits and the four operation signs, like the strips
// on a classroom wall. It fills the room a tall screen leaves under the pages; nothing acts on it.
class Sanefa : public QWidget {
    Q_OBJECT
public:
    explicit Sanefa(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
