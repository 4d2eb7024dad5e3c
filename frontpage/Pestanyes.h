#pragma once

#include <QColor>
#include <QTabWidget>

// The tab control `Llistes`: one tab per page, captioned with a picture, where the visible tabs
// always share a single row and split its width between them. The pages sit on a rounded pane
// of the given colours.
class Pestanyes : public QTabWidget {
    Q_OBJECT
public:
    explicit Pestanyes(QWidget* parent = nullptr);

    void setColorsPanell(const QColor& fons, const QColor& vora);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fons_ = Qt::white;
    QColor vora_ = Qt::gray;
};
