#include "Contrasenya.h"
#include "ProgramFolder.h"
#include "Sessio.h"
#include "TypeText.h"
#include "WhenModal.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QByteArray cfg(int grup, const QByteArray& clau, int demanar, int idioma, int separador) {
    QByteArray b;
    b.append(char(grup)).append('\0').append(clau).append(char(demanar));
    b.append(char(idioma)).append('\0').append(char(separador));
    return b;
}

class Window {
public:
    explicit Window(const QByteArray& clau = "TUXAM   ", int demanar = 0) {
        QDir(dir.path()).mkpath(ProgramFolder::kInf);
        sessio.carpeta = dir.path();
        sessio.general.Clau = clau;
        sessio.general.Demanar = uint8_t(demanar);
        window = std::make_unique<Contrasenya>(sessio);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QLabel* label(const QString& name) const { return window->findChild<QLabel*>(name); }
    QLineEdit* nova() const { return window->findChild<QLineEdit*>("Nova"); }
    QCheckBox* demanar() const { return window->findChild<QCheckBox*>("Demanar"); }
    QPushButton* mou(int i) const {
        return window->findChild<QPushButton*>(QStringLiteral("Mou_%1").arg(i));
    }
    QString focus() const {
        return window->focusWidget() ? window->focusWidget()->objectName() : QString();
    }

    QString cfgPath() const { return ProgramFolder::generalCfg(dir.path()); }
    QByteArray cfgBytes() const {
        QFile f(cfgPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void finish(const QString& how) const {
        if (how == "Mou_1")
            QTest::mouseClick(mou(1), Qt::LeftButton);
        else if (how == "Mou_0")
            QTest::mouseClick(mou(0), Qt::LeftButton);
        else if (how == "Enter")
            QTest::keyClick(nova(), Qt::Key_Return);
        else if (how == "Escape")
            QTest::keyClick(nova(), Qt::Key_Escape);
        else
            window->close();
    }

    QTemporaryDir dir;
    Sessio sessio;
    std::unique_ptr<Contrasenya> window;
};

} // namespace

class TestContrasenya : public QObject {
    Q_OBJECT
private slots:
    void opening_data() {
        QTest::addColumn<QByteArray>("clau");
        QTest::addColumn<int>("demanar");
        QTest::addColumn<QString>("actual");
        QTest::newRow("default, not asked") << QByteArray("TUXAM   ") << 0 << "TUXAM";
        QTest::newRow("asked") << QByteArray("AB1     ") << 1 << "AB1";
        QTest::newRow("eight characters") << QByteArray("ABCDEFGH") << 0 << "ABCDEFGH";
        QTest::newRow("blank") << QByteArray(8, ' ') << 0 << "";
        QTest::newRow("accents") << QByteArray("\xC0\xC7      ") << 1 << "ÀÇ";
        QTest::newRow("markup shown as typed") << QByteArray("<B>X</B>") << 0 << "<B>X</B>";
    }
    void opening() {
        QFETCH(QByteArray, clau);
        QFETCH(int, demanar);
        QFETCH(QString, actual);
        Window w(clau, demanar);
        QCOMPARE(w.window->windowTitle(), QString("Modificar la clau d'accés"));
        QCOMPARE(w.label("Etiqueta_0")->text(), QString("Contrasenya actual"));
        QCOMPARE(w.label("Etiqueta_1")->text(), QString("Nova contrasenya"));
        QCOMPARE(w.label("Etiqueta_2")->text(), QString("Demanar contrasenya"));
        QCOMPARE(w.label("Actual")->text(), actual);
        QCOMPARE(w.label("Actual")->textFormat(), Qt::PlainText);
        QCOMPARE(w.nova()->text(), QString());
        QCOMPARE(w.demanar()->isChecked(), demanar == 1);
        QCOMPARE(w.focus(), QString("Nova"));
        QCOMPARE(w.nova()->accessibleName(), QString("Nova contrasenya"));
        QCOMPARE(w.demanar()->accessibleName(), QString("Demanar contrasenya"));
        QCOMPARE(w.mou(0)->text(), QString(QChar(0x2717)));
        QCOMPARE(w.mou(1)->text(), QString(QChar(0x2713)));
        QCOMPARE(w.mou(0)->accessibleName(), QString("Cancel·lar"));
        QCOMPARE(w.mou(1)->accessibleName(), QString("Acceptar"));
        QVERIFY(w.window->isModal());
    }

    void openingInSpanish() {
        Window w;
        w.sessio.general.Idioma = 1;
        Contrasenya spanish(w.sessio);
        QCOMPARE(spanish.windowTitle(), QString("Modificar la clave de acceso"));
        QCOMPARE(spanish.findChild<QLabel*>("Etiqueta_1")->text(), QString("Nueva contraseña"));
        QCOMPARE(spanish.findChild<QLineEdit*>("Nova")->accessibleName(),
                 QString("Nueva contraseña"));
        QCOMPARE(spanish.findChild<QPushButton*>("Mou_1")->accessibleName(), QString("Aceptar"));
    }

    // The new password as typed, as shown, and the General.cfg that accepting writes.
    void typing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("a, b, space, 1") << "ab 1"
                                        << "AB1" << cfg(1, "AB1     ", 0, 0, 0);
        QTest::newRow("punctuation below 0") << "x-y.z/!"
                                             << "XYZ" << cfg(1, "XYZ     ", 0, 0, 0);
        QTest::newRow("symbols from 0 up") << "0:@_~"
                                           << "0:@_~" << cfg(1, "0:@_~   ", 0, 0, 0);
        QTest::newRow("accents") << "àçñ"
                                 << "ÀÇÑ" << cfg(1, "\xC0\xC7\xD1     ", 0, 0, 0);
        QTest::newRow("euro") << "a€"
                              << "A€" << cfg(1, "A\x80      ", 0, 0, 0);
        QTest::newRow("outside 1252") << "aΩbµ"
                                      << "AB" << cfg(1, "AB      ", 0, 0, 0);
        QTest::newRow("ten keep eight") << "abcdefghij"
                                        << "ABCDEFGH" << cfg(1, "ABCDEFGH", 0, 0, 0);
    }
    void typing() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, written);
        Window w;
        type(w.nova(), typed);
        QCOMPARE(w.nova()->text(), shown);
        w.finish("Mou_1");
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.cfgBytes(), written);
        QCOMPARE(w.sessio.general.Clau, written.mid(2, 8));
    }

    void backspace() {
        Window w;
        type(w.nova(), "abc");
        QTest::keyClick(w.nova(), Qt::Key_Backspace);
        QCOMPARE(w.nova()->text(), QString("AB"));
        type(w.nova(), "d");
        QCOMPARE(w.nova()->text(), QString("ABD"));
    }

    // Pasted text obeys the same filter as typed text.
    void paste_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("blanks and punctuation") << "" << 0 << "ab 12, cd"
                                                << "AB12CD" << 6;
        QTest::newRow("into the middle") << "AB" << 1 << "x y"
                                         << "AXYB" << 3;
        QTest::newRow("long text keeps its head") << "AB" << 2 << "cdefghijkl"
                                                  << "ABCDEFGH" << 8;
        QTest::newRow("into a full box") << "ABCDEFGH" << 2 << "xy"
                                         << "ABCDEFGH" << 2;
    }
    void paste() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QFETCH(int, cursorAfter);
        Window w;
        type(w.nova(), before);
        w.nova()->setCursorPosition(cursor);
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(w.nova(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.nova()->text(), shown);
        QCOMPARE(w.nova()->cursorPosition(), cursorAfter);
    }

    // What accepting or cancelling leaves in memory and on disk.
    void finishing_data() {
        QTest::addColumn<QByteArray>("clau");
        QTest::addColumn<int>("demanar");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("clickBox");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("clauAfter");
        QTest::addColumn<int>("demanarAfter");
        QTest::addColumn<QByteArray>("written"); // empty: nothing written
        const QByteArray tuxam("TUXAM   ");
        QTest::newRow("new password") << tuxam << 0 << "ab 1" << false << "Mou_1"
                                      << QByteArray("AB1     ") << 0 << cfg(1, "AB1     ", 0, 0, 0);
        QTest::newRow("new password, prompt on")
            << tuxam << 0 << "xy" << true << "Mou_1" << QByteArray("XY      ") << 1
            << cfg(1, "XY      ", 1, 0, 0);
        QTest::newRow("empty, box switched on keeps the password")
            << tuxam << 0 << "" << true << "Mou_1" << tuxam << 1 << cfg(1, tuxam, 1, 0, 0);
        QTest::newRow("empty, box switched off")
            << QByteArray("AB1     ") << 1 << "" << true << "Mou_1" << QByteArray("AB1     ") << 0
            << cfg(1, "AB1     ", 0, 0, 0);
        QTest::newRow("empty, nothing changed still saves")
            << tuxam << 0 << "" << false << "Mou_1" << tuxam << 0 << cfg(1, tuxam, 0, 0, 0);
        QTest::newRow("only blanks typed keep the password")
            << tuxam << 1 << "  " << false << "Mou_1" << tuxam << 1 << cfg(1, tuxam, 1, 0, 0);
        QTest::newRow("Enter accepts")
            << tuxam << 0 << "xy" << false << "Enter" << QByteArray("XY      ") << 0
            << cfg(1, "XY      ", 0, 0, 0);
        QTest::newRow("cancel") << tuxam << 0 << "ab" << true << "Mou_0" << tuxam << 0
                                << QByteArray();
        QTest::newRow("Escape") << tuxam << 1 << "ab" << true << "Escape" << tuxam << 1
                                << QByteArray();
        QTest::newRow("close box")
            << tuxam << 0 << "ab" << true << "close" << tuxam << 0 << QByteArray();
    }
    void finishing() {
        QFETCH(QByteArray, clau);
        QFETCH(int, demanar);
        QFETCH(QString, typed);
        QFETCH(bool, clickBox);
        QFETCH(QString, how);
        QFETCH(QByteArray, clauAfter);
        QFETCH(int, demanarAfter);
        QFETCH(QByteArray, written);
        Window w(clau, demanar);
        type(w.nova(), typed);
        if (clickBox)
            QTest::mouseClick(w.demanar(), Qt::LeftButton);
        w.finish(how);
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.window->result(),
                 int(written.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(w.sessio.general.Clau, clauAfter);
        QCOMPARE(int(w.sessio.general.Demanar), demanarAfter);
        QCOMPARE(QFile::exists(w.cfgPath()), !written.isEmpty());
        QCOMPARE(w.cfgBytes(), written);
    }

    // The whole record is written from memory, the other settings in their places.
    void keepsTheOtherSettings() {
        Window w;
        w.sessio.general.GrupActual = 12;
        w.sessio.general.Idioma = 3;
        w.sessio.general.Separador = 2;
        type(w.nova(), "ab1");
        w.finish("Mou_1");
        QCOMPARE(w.cfgBytes(), QByteArray("\x0C\x00"
                                          "AB1     "
                                          "\x00"
                                          "\x03\x00"
                                          "\x02",
                                          14));
    }

    void boxSendsTheTypingBackToNova_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("mouse on the box") << "box";
        QTest::newRow("space on the box") << "space";
        QTest::newRow("mouse on its caption") << "caption";
    }
    void boxSendsTheTypingBackToNova() {
        QFETCH(QString, how);
        Window w;
        w.mou(0)->setFocus();
        if (how == "box")
            QTest::mouseClick(w.demanar(), Qt::LeftButton);
        else if (how == "caption")
            QTest::mouseClick(w.label("Etiqueta_2"), Qt::LeftButton);
        else {
            w.demanar()->setFocus();
            QTest::keyClick(w.demanar(), Qt::Key_Space);
        }
        QVERIFY(w.demanar()->isChecked());
        QCOMPARE(w.focus(), QString("Nova"));
        type(w.nova(), "q");
        QCOMPARE(w.nova()->text(), QString("Q"));
    }

    // A General.cfg that cannot be written is said; the new settings stay in memory and are
    // written with the next General.cfg.
    void unwritableFile() {
        Window w;
        QVERIFY(QDir(w.dir.path()).mkpath(w.cfgPath()));
        QString said;
        WhenModal message("Missatges", [&](QDialog* box) {
            said = box->findChild<QLabel*>("Text")->text();
            QTest::mouseClick(box->findChild<QPushButton*>("Mou_1"), Qt::LeftButton);
        });
        type(w.nova(), "ab1");
        QTest::mouseClick(w.demanar(), Qt::LeftButton);
        w.finish("Mou_1");
        QVERIFY(message.ran());
        QCOMPARE(said, QString("No es pot crear la carpeta de dades del programa o no s'hi pot "
                               "escriure."));
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.sessio.general.Clau, QByteArray("AB1     "));
        QCOMPARE(int(w.sessio.general.Demanar), 1);
    }
};

QTEST_MAIN(TestContrasenya)
#include "tst_Contrasenya.moc"
