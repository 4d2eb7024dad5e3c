#include "Missatges.h"
#include "Units.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Runs `act` on the message box once its modal loop is running; the static functions return
// only when the box closes, so the test acts on it from inside that loop.
class WhenModal {
public:
    explicit WhenModal(std::function<void(QDialog*)> act) : act_(std::move(act)) { poll(); }
    bool ran() const { return ran_; }
    // False when the action left the box open (the box was then closed here, so that a failing
    // test does not hang).
    bool closedByAction() const { return closed_; }

private:
    void poll() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                ran_ = true;
                act_(box);
                closed_ = !box->isVisible();
                if (!closed_)
                    box->done(QDialog::Rejected);
            } else if (++tries_ < 1000) {
                poll();
            }
        });
    }

    std::function<void(QDialog*)> act_;
    bool ran_ = false;
    bool closed_ = false;
    int tries_ = 0;
};

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
        QVERIFY(when.closedByAction());
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
        QVERIFY(when.closedByAction());
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
        QVERIFY(when.closedByAction());
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
