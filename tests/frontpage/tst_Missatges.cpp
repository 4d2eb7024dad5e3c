#include "Missatges.h"
#include "Units.h"
#include "WhenModal.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QPushButton* button(QDialog* box, const char* name) {
    return box->findChild<QPushButton*>(name);
}

QLabel* label(QDialog* box, const char* name) {
    return box->findChild<QLabel*>(name);
}

struct Seen {
    QString title, text, mou0, mou1, focus;
    bool modal = false;
    bool icona0 = false, icona1 = false, mou0Visible = false, mou1Visible = false;
    int mou1X = -1;
    bool buttonsBelowText = false;
    bool textFits = false;
};

Seen look(QDialog* box) {
    Seen s;
    s.title = box->windowTitle();
    s.focus = box->focusWidget() ? box->focusWidget()->objectName() : QString();
    s.modal = box->isModal();
    s.text = label(box, "Text")->text();
    s.icona0 = label(box, "Icona_0")->isVisible();
    s.icona1 = label(box, "Icona_1")->isVisible();
    s.mou0 = button(box, "Mou_0")->text();
    s.mou1 = button(box, "Mou_1")->text();
    s.mou0Visible = button(box, "Mou_0")->isVisible();
    s.mou1Visible = button(box, "Mou_1")->isVisible();
    s.mou1X = button(box, "Mou_1")->x();
    const QLabel* text = label(box, "Text");
    s.buttonsBelowText = button(box, "Mou_1")->y() >= text->geometry().bottom() &&
                         button(box, "Mou_1")->geometry().bottom() < box->height();
    s.textFits = text->height() >= text->heightForWidth(text->width()) &&
                 text->geometry().right() < box->width();
    return s;
}

const QString kLong = "Aquest grup no té assignat un nivell, i cal que el mestre n'assigni un "
                      "abans de començar; parleu-ne amb ell o amb ella i torneu-ho a provar més "
                      "tard, si us plau.";

} // namespace

class TestMissatges : public QObject {
    Q_OBJECT
private slots:
    void informacio_data() {
        QTest::addColumn<QString>("message");
        QTest::newRow("short") << "Aquest grup no té assignat un nivell";
        QTest::newRow("long, wrapped") << kLong;
    }
    void informacio() {
        QFETCH(QString, message);
        Seen seen;
        WhenModal when([&](QDialog* box) {
            seen = look(box);
            QTest::mouseClick(button(box, "Mou_1"), Qt::LeftButton);
        });
        Missatges::Informacio(message, 0);
        QVERIFY(when.ran());
        QVERIFY(!when.leftOpen());
        QCOMPARE(seen.focus, QString("Mou_1"));
        QCOMPARE(seen.title, QString("XIFRUM 5.0"));
        QVERIFY(seen.modal);
        QCOMPARE(seen.text, message);
        QVERIFY(!seen.icona0);
        QVERIFY(seen.icona1);
        QVERIFY(!seen.mou0Visible);
        QVERIFY(seen.mou1Visible);
        QCOMPARE(seen.mou1, QString("Acceptar"));
        QCOMPARE(seen.mou1X, tw(173));
        QVERIFY(seen.buttonsBelowText);
        QVERIFY(seen.textFits);
    }

    void informacioKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void informacioKeys() {
        QFETCH(int, key);
        WhenModal when([&](QDialog* box) { QTest::keyClick(box, Qt::Key(key)); });
        Missatges::Informacio("Hola", 0);
        QVERIFY(when.ran());
        QVERIFY(!when.leftOpen());
    }

    void pregunta_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Sí pressed") << "Mou_1" << true;
        QTest::newRow("No pressed") << "Mou_0" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("Escape") << "escape" << false;
        QTest::newRow("Enter on the default button") << "enter" << false;
        QTest::newRow("Tab to Sí, then space") << "tab space" << true;
    }
    void pregunta() {
        QFETCH(QString, how);
        QFETCH(bool, answer);
        Seen seen;
        WhenModal when([&](QDialog* box) {
            seen = look(box);
            if (how.startsWith("Mou_"))
                QTest::mouseClick(button(box, qPrintable(how)), Qt::LeftButton);
            else if (how == "close")
                box->close();
            else if (how == "escape")
                QTest::keyClick(box, Qt::Key_Escape);
            else if (how == "enter")
                QTest::keyClick(box, Qt::Key_Return);
            else {
                QTest::keyClick(box->focusWidget(), Qt::Key_Tab);
                QTest::keyClick(box->focusWidget(), Qt::Key_Space);
            }
        });
        const bool got = Missatges::Pregunta("Eliminar definitivament els registres?", 0);
        QVERIFY(when.ran());
        QVERIFY(!when.leftOpen());
        QCOMPARE(got, answer);
        QCOMPARE(seen.focus, QString("Mou_0"));
        QCOMPARE(seen.text, QString("Eliminar definitivament els registres?"));
        QCOMPARE(seen.title, QString("XIFRUM 5.0"));
        QVERIFY(seen.icona0);
        QVERIFY(!seen.icona1);
        QVERIFY(seen.mou0Visible);
        QVERIFY(seen.mou1Visible);
        QCOMPARE(seen.mou0, QString("No"));
        QCOMPARE(seen.mou1, QString("Sí"));
        QVERIFY(seen.buttonsBelowText);
    }

    void accessibleNamesAreTheCaptions() {
        QString no, si;
        WhenModal when([&](QDialog* box) {
            no = button(box, "Mou_0")->accessibleName();
            si = button(box, "Mou_1")->accessibleName();
            QTest::mouseClick(button(box, "Mou_0"), Qt::LeftButton);
        });
        Missatges::Pregunta("?", 0);
        QVERIFY(when.ran());
        QCOMPARE(no, QString("No"));
        QCOMPARE(si, QString("Sí"));
    }
};

QTEST_MAIN(TestMissatges)
#include "tst_Missatges.moc"
