#pragma once

#include <QWidget>

class QToolButton;

// An up-down control: two small arrow buttons that step a number within a range, the number
// being shown by a label beside it. With the focus, Up and Down step by one, Page Up and Page Down
// by ten.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(int minim, int maxim, QWidget* parent = nullptr);

    int value() const { return value_; }
    void setValue(int v);

signals:
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int minim_;
    int maxim_;
    int value_ = 0;
    QToolButton* amunt_;
    QToolButton* avall_;
};
