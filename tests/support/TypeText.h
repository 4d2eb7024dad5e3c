#pragma once

#include <QString>
#include <QTest>
#include <QWidget>

// Types `text` key by key; letters beyond ASCII arrive as the text of a key the way a keyboard
// layout or an input method sends them.
inline void type(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(w, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}
