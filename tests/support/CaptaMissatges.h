#pragma once

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

// Every message box (`Missatges`) a flow shows while this lives: its text is kept and the box
// answered with `Mou`(resposta) (1 "Sí"/"Acceptar", 0 "No"). Other modal windows are left to
// the flow, or to a WhenModal of their own.
class CaptaMissatges {
public:
    explicit CaptaMissatges(int resposta = 1) : resposta_(resposta) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { mira(); });
        timer_.start(0);
    }

    // The texts shown so far, the events waiting to be handled handled first.
    QStringList textos() {
        QCoreApplication::processEvents();
        return textos_;
    }

private:
    void mira() {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || !box->inherits("Missatges"))
            return;
        auto* text = box->findChild<QLabel*>(QStringLiteral("Text"));
        textos_ << (text ? text->text() : QString());
        auto* boto = box->findChild<QPushButton*>(QStringLiteral("Mou_%1").arg(resposta_));
        if (boto && boto->isVisible())
            boto->click();
        else
            box->done(QDialog::Rejected);
    }

    int resposta_;
    QStringList textos_;
    QTimer timer_;
};
