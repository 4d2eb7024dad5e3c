#pragma once

#include <QWidget>

class QToolButton;

// An up-down control: two arrow buttons that step a number within a range; a label beside it
// shows the number. A value set from outside the range is kept as it is until the user steps,
// so a stored value the range no longer covers is not changed by merely being shown.
// Keyboard: Up/Down step by one, Page Up/Page Down and Home/End go to the ends.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    // Shows `value` without emitting valueChanged.
    void setValue(int value);
    // The user's step: the value moves by `steps`, held to the range.
    void stepBy(int steps);

    QSize sizeHint() const override;

signals:
    // Only for the user's steps.
    void valueChanged(int value);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyValue(int value);
    void updateArrows();

    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 99;
    int value_ = 0;
};
