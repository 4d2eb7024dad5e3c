#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Says "pintat" on standard output and ends the event loop once `finestra` has been painted for
// the first time: the single shot runs after the paint pass the first paint event belongs to.
// Shared by the two programs bench_arrencada launches and times.
class PrimerFotograma : public QObject {
public:
    explicit PrimerFotograma(QWidget* finestra) : finestra_(finestra) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!vist_ && e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == finestra_) {
            vist_ = true;
            QTimer::singleShot(0, [] {
                std::printf("pintat\n");
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget* finestra_;
    bool vist_ = false;
};
