#pragma once

#include <QColor>
#include <QTabWidget>

// The tab control `Llistes`: one tab per page, captioned with a picture, where the visible tabs
// always share a single row and split its width between them. The pages sit in a rounded
// outline; what lies behind shows through it.
class Pestanyes : public QTabWidget {
    Q_OBJECT
public:
    explicit Pestanyes(QWidget* parent = nullptr);

    void setVoraPanell(const QColor& vora);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor vora_ = Qt::gray;
};
