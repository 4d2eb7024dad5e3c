#pragma once

#include <QAbstractButton>

// A group button of the front page: a card with the group's animal and its name underneath,
// painted in the button colour of its palette (blue while it is the chosen group).
class BotoGrup : public QAbstractButton {
    Q_OBJECT
public:
    BotoGrup(int grup, QWidget* parent = nullptr);

    int grup() const { return grup_; }
    // The group's name in the current language: shown, and the button's accessible name.
    void setNom(const QString& nom);
    QString nom() const { return nom_; }
    void setSeleccionat(bool seleccionat);
    bool seleccionat() const { return seleccionat_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int grup_;
    QString nom_;
    bool seleccionat_ = false;
    bool sobre_ = false;
};
