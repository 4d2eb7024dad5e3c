#pragma once

#include <QTabWidget>

// The tab control `Llistes`: one tab per page, captioned with a picture, where the visible tabs
// always share a single row and split its width between them.
class Pestanyes : public QTabWidget {
    Q_OBJECT
public:
    explicit Pestanyes(QWidget* parent = nullptr);
};
