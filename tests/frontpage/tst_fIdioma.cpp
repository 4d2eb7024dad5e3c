#include "ProgramFolder.h"
#include "Sessio.h"
#include "fIdioma.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// General.cfg after accepting Spanish from the defaults: group 1, "TUXAM" padded to 8, prompt 0,
// Idioma 1 at offset 11, separator "Punt".
const QByteArray kSpanishDefaults("\x01\x00"
                                  "TUXAM   "
                                  "\x00"
                                  "\x01\x00"
                                  "\x00",
                                  14);

class Window {
public:
    explicit Window(int idioma = 0, int separador = 0) {
        QDir(dir.path()).mkpath(ProgramFolder::kInf);
        sessio.carpeta = dir.path();
        sessio.general.Idioma = int16_t(idioma);
        sessio.general.Separador = uint8_t(separador);
        window = std::make_unique<fIdioma>(sessio);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QLabel* label(const QString& name) const { return window->findChild<QLabel*>(name); }
    QPushButton* button(const QString& name) const { return window->findChild<QPushButton*>(name); }
    QRadioButton* separador(int i) const {
        return window->findChild<QRadioButton*>(QStringLiteral("Separador_%1").arg(i));
    }
    QListWidget* list() const { return window->findChild<QListWidget*>("Disponibles"); }

    void press(int row) const {
        QListWidget* l = list();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(row)).center());
    }

    QStringList items() const {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }

    // Everything the window shows in words, in the order of its controls.
    QStringList captions() const {
        QStringList all{window->windowTitle()};
        for (int i = 0; i < 4; ++i)
            all << label(QStringLiteral("Eti_%1").arg(i))->text();
        all << label("Actual")->text() << label("Triat")->text() << items();
        for (int i = 0; i < 3; ++i)
            all << separador(i)->text();
        for (int i = 0; i < 2; ++i)
            all << button(QStringLiteral("Botó_%1").arg(i))->toolTip();
        return all;
    }

    QString cfgPath() const { return ProgramFolder::generalCfg(dir.path()); }
    QByteArray cfgBytes() const {
        QFile f(cfgPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    void finish(const QString& how) const {
        if (how == "Botó_1" || how == "Botó_0")
            QTest::mouseClick(button(how), Qt::LeftButton);
        else if (how == "Enter")
            QTest::keyClick(list(), Qt::Key_Return);
        else if (how == "Escape")
            QTest::keyClick(list(), Qt::Key_Escape);
        else
            window->close();
    }

    QTemporaryDir dir;
    Sessio sessio;
    std::unique_ptr<fIdioma> window;
};

const QStringList kCatalan{"Idioma de l'aplicació",
                           "Idioma actual",
                           "Idiomes disponibles",
                           "Idioma triat",
                           "Separador de milers",
                           "Català",
                           "Català",
                           "Català",
                           "Espanyol",
                           "Gallec",
                           "Euskera",
                           "Punt",
                           "Espai",
                           "Cap",
                           "Cancel·lar",
                           "Acceptar"};

} // namespace

class TestIdioma : public QObject {
    Q_OBJECT
private slots:
    void opening_data() {
        QTest::addColumn<int>("separador");
        QTest::newRow("Punt") << 0;
        QTest::newRow("Espai") << 1;
        QTest::newRow("Cap") << 2;
    }
    void opening() {
        QFETCH(int, separador);
        Window w(0, separador);
        QCOMPARE(w.captions(), kCatalan);
        QCOMPARE(w.list()->currentRow(), 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w.separador(i)->isChecked(), i == separador);
        QCOMPARE(w.button("Botó_0")->text(), QString(QChar(0x2717)));
        QCOMPARE(w.button("Botó_1")->text(), QString(QChar(0x2713)));
        QCOMPARE(w.button("Botó_0")->accessibleName(), QString("Cancel·lar"));
        QCOMPARE(w.button("Botó_1")->accessibleName(), QString("Acceptar"));
        QVERIFY(w.window->isModal());
    }

    void openingInAnotherLanguage() {
        Window w(2);
        QCOMPARE(w.list()->currentRow(), 2);
        QCOMPARE(w.label("Actual")->text(), w.list()->item(2)->text());
        QCOMPARE(w.items().size(), 4);
        QVERIFY(w.captions() != kCatalan);
    }

    void chooseSpanish_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("idiomaAfter");
        QTest::addColumn<QByteArray>("cfg");
        QTest::newRow("accept") << "Botó_1" << 1 << kSpanishDefaults;
        QTest::newRow("Enter accepts") << "Enter" << 1 << kSpanishDefaults;
        QTest::newRow("cancel") << "Botó_0" << 0 << QByteArray();
        QTest::newRow("Escape cancels") << "Escape" << 0 << QByteArray();
        QTest::newRow("close box cancels") << "close" << 0 << QByteArray();
    }
    void chooseSpanish() {
        QFETCH(QString, how);
        QFETCH(int, idiomaAfter);
        QFETCH(QByteArray, cfg);
        Window w;
        w.press(1);

        // The window previews Spanish while it is open.
        QCOMPARE(w.sessio.general.Idioma, int16_t(1));
        const QStringList spanish = w.captions();
        QCOMPARE(spanish.size(), kCatalan.size());
        for (int i = 0; i < spanish.size(); ++i) {
            QVERIFY2(!spanish[i].isEmpty(), qPrintable(kCatalan[i]));
        }
        QCOMPARE(spanish[0], TextIdioma(499, 1));
        QVERIFY(spanish[0] != kCatalan[0]);
        QCOMPARE(spanish[1], TextIdioma(496, 1));
        QCOMPARE(w.items(), QStringList({TextIdioma(480, 1), TextIdioma(481, 1), TextIdioma(482, 1),
                                         TextIdioma(483, 1)}));
        QCOMPARE(w.label("Actual")->text(), TextIdioma(480, 1));
        QCOMPARE(w.label("Triat")->text(), TextIdioma(481, 1));
        QCOMPARE(w.button("Botó_0")->accessibleName(), TextIdioma(87, 1));
        QCOMPARE(w.list()->currentRow(), 1);
        QVERIFY(!QFile::exists(w.cfgPath()));

        w.finish(how);
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.sessio.general.Idioma, int16_t(idiomaAfter));
        QCOMPARE(w.window->result(),
                 idiomaAfter == 1 ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(QFile::exists(w.cfgPath()), !cfg.isEmpty());
        QCOMPARE(w.cfgBytes(), cfg);
    }

    void separator_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QByteArray>("cfg");
        const QByteArray base("\x01\x00TUXAM   \x00\x00\x00", 13);
        QTest::newRow("Espai, accept") << 1 << "Botó_1" << base + '\x01';
        QTest::newRow("Cap, accept") << 2 << "Botó_1" << base + '\x02';
        QTest::newRow("Espai, cancel") << 1 << "Botó_0" << QByteArray();
        QTest::newRow("Cap, close box") << 2 << "close" << QByteArray();
    }
    void separator() {
        QFETCH(int, chosen);
        QFETCH(QString, how);
        QFETCH(QByteArray, cfg);
        Window w;
        QTest::mouseClick(w.separador(chosen), Qt::LeftButton);
        QCOMPARE(w.sessio.general.Separador, uint8_t(chosen));
        QCOMPARE(w.captions(), kCatalan);
        w.finish(how);
        // Cancelling restores the language only: the separator stays chosen in memory.
        QCOMPARE(w.sessio.general.Separador, uint8_t(chosen));
        QCOMPARE(w.sessio.general.Idioma, int16_t(0));
        QCOMPARE(w.cfgBytes(), cfg);
    }

    void separatorByKeyboard() {
        Window w(0, 0);
        w.separador(0)->setFocus();
        QTest::keyClick(w.separador(0), Qt::Key_Right);
        QCOMPARE(w.sessio.general.Separador, uint8_t(1));
        QVERIFY(w.separador(1)->isChecked());
    }

    void pressingTheCurrentLanguageChangesNothing_data() {
        QTest::addColumn<int>("idioma");
        QTest::newRow("Català") << 0;
        QTest::newRow("Euskera") << 3;
    }
    void pressingTheCurrentLanguageChangesNothing() {
        QFETCH(int, idioma);
        Window w(idioma);
        const QStringList before = w.captions();
        w.press(idioma);
        QCOMPARE(w.sessio.general.Idioma, int16_t(idioma));
        QCOMPARE(w.captions(), before);
        QCOMPARE(w.list()->currentRow(), idioma);
        QVERIFY(w.window->isVisible());
        QVERIFY(!QFile::exists(w.cfgPath()));
    }

    void goingBackRestoresTheCaptions() {
        Window w;
        w.press(3);
        QVERIFY(w.captions() != kCatalan);
        w.press(0);
        QCOMPARE(w.sessio.general.Idioma, int16_t(0));
        QCOMPARE(w.captions(), kCatalan);
    }

    void keepsItsSizeWhilePreviewing() {
        Window w;
        const QSize size = w.window->size();
        for (int row : {3, 2, 1, 0}) {
            w.press(row);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(w.window->size(), size);
        }
    }

    void keyboardChoosesAndAccepts() {
        Window w;
        w.list()->setFocus();
        QTest::keyClick(w.list(), Qt::Key_Down);
        QCOMPARE(w.sessio.general.Idioma, int16_t(1));
        QCOMPARE(w.label("Triat")->text(), TextIdioma(481, 1));
        QTest::keyClick(w.list(), Qt::Key_Return);
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.cfgBytes(), kSpanishDefaults);
    }
};

QTEST_MAIN(TestIdioma)
#include "tst_fIdioma.moc"
