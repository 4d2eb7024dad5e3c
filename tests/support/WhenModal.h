#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <utility>

// Acts on the first modal window of class `className` (any dialog when null) as soon as it runs
// its own loop: the windows under test return only when they close, so a test acts on them from
// inside that loop. A window the action leaves open is closed here, so that a failing test cannot
// hang.
class WhenModal {
public:
    WhenModal(const char* className, std::function<void(QDialog*)> act)
        : className_(className), act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
        timer_.start(0);
    }
    explicit WhenModal(std::function<void(QDialog*)> act) : WhenModal(nullptr, std::move(act)) {}

    bool ran() const { return ran_; }
    // True when the action left the window open (it was then closed here).
    bool leftOpen() const { return leftOpen_; }

private:
    void check() {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || (className_ && !box->inherits(className_)))
            return;
        timer_.stop();
        ran_ = true;
        act_(box);
        leftOpen_ = box->isVisible();
        if (leftOpen_)
            box->done(QDialog::Rejected);
    }

    const char* className_;
    std::function<void(QDialog*)> act_;
    QTimer timer_;
    bool ran_ = false;
    bool leftOpen_ = false;
};
