#include "Pas.h"
#include "Sessio.h"
#include "TypeText.h"
#include "WhenModal.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QLineEdit* clauValida(QDialog* w) {
    return w->findChild<QLineEdit*>("ClauVàlida");
}

QPushButton* mou(QDialog* w, int i) {
    return w->findChild<QPushButton*>(QStringLiteral("Mou_%1").arg(i));
}

// How the prompt is left after typing.
void finish(QDialog* w, const QString& how) {
    if (how == "Mou_1")
        QTest::mouseClick(mou(w, 1), Qt::LeftButton);
    else if (how == "Mou_0")
        QTest::mouseClick(mou(w, 0), Qt::LeftButton);
    else if (how == "Enter")
        QTest::keyClick(clauValida(w), Qt::Key_Return);
    else if (how == "keypad Enter")
        QTest::keyClick(clauValida(w), Qt::Key_Enter, Qt::KeypadModifier);
    else if (how == "Enter on Mou_0") {
        mou(w, 0)->setFocus();
        QTest::keyClick(mou(w, 0), Qt::Key_Return);
    } else if (how == "Escape")
        QTest::keyClick(clauValida(w), Qt::Key_Escape);
    else if (how == "close box")
        w->close();
}

struct Outcome {
    bool granted = false;
    bool promptShown = false;
    bool promptLeftOpen = false;
    QString shownWhileTyping;
    QStringList messages; // texts of the message boxes shown
};

Outcome ask(Sessio& sessio, const QString& typed, const QString& how) {
    Outcome out;
    WhenModal message("Missatges", [&](QDialog* box) {
        out.messages << box->findChild<QLabel*>("Text")->text();
        QTest::mouseClick(box->findChild<QPushButton*>("Mou_1"), Qt::LeftButton);
    });
    WhenModal prompt("Pas", [&](QDialog* w) {
        type(clauValida(w), typed);
        out.shownWhileTyping = clauValida(w)->text();
        finish(w, how);
    });
    out.granted = Pas::Demana(sessio);
    out.promptShown = prompt.ran();
    out.promptLeftOpen = prompt.leftOpen();
    return out;
}

Sessio withClau(const QByteArray& clau, int idioma = 0) {
    Sessio s;
    s.general.Clau = clau;
    s.general.Idioma = int16_t(idioma);
    return s;
}

} // namespace

class TestPas : public QObject {
    Q_OBJECT
private slots:
    void opening_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("accept");
        QTest::newRow("Català") << 0 << "Clau d'accés"
                                << "Cancel·lar"
                                << "Acceptar";
        QTest::newRow("Español") << 1 << "Clave de acceso"
                                 << "Cancelar"
                                 << "Aceptar";
        QTest::newRow("Euskera") << 3 << "Sarbide-klabea"
                                 << "Utzi"
                                 << "Onartu";
    }
    void opening() {
        QFETCH(int, idioma);
        QFETCH(QString, title);
        QFETCH(QString, cancel);
        QFETCH(QString, accept);
        Sessio sessio = withClau("TUXAM   ", idioma);
        QStringList seen;
        WhenModal prompt("Pas", [&](QDialog* w) {
            seen << w->windowTitle() << w->findChild<QLabel*>("Etiqueta")->text()
                 << clauValida(w)->accessibleName() << mou(w, 0)->text() << mou(w, 1)->text()
                 << mou(w, 0)->accessibleName() << mou(w, 1)->accessibleName()
                 << mou(w, 0)->toolTip() << mou(w, 1)->toolTip()
                 << (w->focusWidget() ? w->focusWidget()->objectName() : QString())
                 << clauValida(w)->text();
            QCOMPARE(clauValida(w)->echoMode(), QLineEdit::Password);
            QVERIFY(w->isModal());
            w->close();
        });
        QVERIFY(!Pas::Demana(sessio));
        QVERIFY(prompt.ran());
        const QStringList expected{title,
                                   title,
                                   title,
                                   QString(QChar(0x2717)),
                                   QString(QChar(0x2713)),
                                   cancel,
                                   accept,
                                   cancel,
                                   accept,
                                   "ClauVàlida",
                                   ""};
        QCOMPARE(seen, expected);
    }

    void answer_data() {
        QTest::addColumn<QByteArray>("clau");
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("granted");
        QTest::addColumn<QStringList>("messages");
        const QByteArray tuxam("TUXAM   ");
        const QStringList none;
        const QStringList wrong{"La clau és incorrecta"};
        QTest::newRow("lower case") << tuxam << 0 << "tuxam"
                                    << "Mou_1" << true << none;
        QTest::newRow("upper case") << tuxam << 0 << "TUXAM"
                                    << "Mou_1" << true << none;
        QTest::newRow("wrong") << tuxam << 0 << "tuxa"
                               << "Mou_1" << false << wrong;
        QTest::newRow("nothing typed") << tuxam << 0 << ""
                                       << "Mou_1" << false << wrong;
        QTest::newRow("wrong, Spanish")
            << tuxam << 1 << "xifrum"
            << "Mou_1" << false << QStringList{"La clave es incorrecta"};
        QTest::newRow("Enter accepts") << tuxam << 0 << "tuxam"
                                       << "Enter" << true << none;
        QTest::newRow("keypad Enter accepts") << tuxam << 0 << "tuxam"
                                              << "keypad Enter" << true << none;
        QTest::newRow("Enter accepts even on the cross") << tuxam << 0 << "tuxam"
                                                         << "Enter on Mou_0" << true << none;
        QTest::newRow("Enter with a wrong password") << tuxam << 0 << "x"
                                                     << "Enter" << false << wrong;
        QTest::newRow("Escape") << tuxam << 0 << "tuxam"
                                << "Escape" << false << none;
        QTest::newRow("cross") << tuxam << 0 << "tuxam"
                               << "Mou_0" << false << none;
        QTest::newRow("close box") << tuxam << 0 << "tuxam"
                                   << "close box" << false << none;
        QTest::newRow("blank password") << QByteArray(8, ' ') << 0 << ""
                                        << "Mou_1" << true << none;
        QTest::newRow("accents") << QByteArray("\xC0\xC7      ") << 0 << "àç"
                                 << "Mou_1" << true << none;
        QTest::newRow("a longer password cut to 8 when it was set")
            << QByteArray("ABCDEFGH") << 0 << "abcdefghij"
            << "Mou_1" << true << none;
    }
    void answer() {
        QFETCH(QByteArray, clau);
        QFETCH(int, idioma);
        QFETCH(QString, typed);
        QFETCH(QString, how);
        QFETCH(bool, granted);
        QFETCH(QStringList, messages);
        Sessio sessio = withClau(clau, idioma);
        const ConfigGeneral before = sessio.general;
        const Outcome out = ask(sessio, typed, how);
        QVERIFY(out.promptShown);
        QVERIFY(!out.promptLeftOpen);
        QCOMPARE(out.granted, granted);
        QCOMPARE(out.messages, messages);
        QCOMPARE(out.shownWhileTyping.size(), qMin(typed.size(), qsizetype(8)));
        QVERIFY(sessio.general == before);
    }

    // No retry: a wrong password closes the prompt; the next opening starts afresh.
    void eachOpeningIsOneTry() {
        Sessio sessio = withClau("TUXAM   ");
        QVERIFY(!ask(sessio, "tuxa", "Mou_1").granted);
        const Outcome again = ask(sessio, "tuxam", "Mou_1");
        QVERIFY(again.granted);
        QVERIFY(again.messages.isEmpty());
    }
};

QTEST_MAIN(TestPas)
#include "tst_Pas.moc"
