#include "Portada.h"
#include "ProgramFolder.h"
#include "Sessio.h"
#include "fIdioma.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestPortada : public QObject {
    Q_OBJECT
private slots:
    void showsTitleAndGroup_data() {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<int>("grup");
        QTest::addColumn<QString>("nom");
        QTest::newRow("catalan dolphins") << 0 << 1 << "Dofins";
        QTest::newRow("spanish giraffes") << 1 << 16 << "Jirafas";
        QTest::newRow("basque sharks") << 3 << 13 << "Marrazoak";
    }
    void showsTitleAndGroup() {
        QFETCH(int, idioma);
        QFETCH(int, grup);
        QFETCH(QString, nom);
        Sessio sessio;
        sessio.general.Idioma = int16_t(idioma);
        sessio.general.GrupActual = int16_t(grup);
        Portada portada(sessio);
        QCOMPARE(portada.findChild<QLabel*>("lblTitol")->text(), QString("XIFRUM 5.0"));
        QCOMPARE(portada.findChild<QLabel*>("lblGrup")->text(), nom);
        QCOMPARE(portada.windowTitle(), QString("XIFRUM 5.0"));
    }

    // The language tool opens the language window; accepting Spanish re-applies every text.
    void languageToolReappliesTexts() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(ProgramFolder::kInf);
        Sessio sessio;
        sessio.carpeta = dir.path();
        Portada portada(sessio);
        portada.show();
        QVERIFY(QTest::qWaitForWindowExposed(&portada));

        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<fIdioma*>(QApplication::activeModalWidget());
            QVERIFY(window);
            seen = true;
            auto* list = window->findChild<QListWidget*>("Disponibles");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(1)).center());
            QTest::mouseClick(window->findChild<QPushButton*>(QString::fromUtf8("Botó_1")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(portada.findChild<QPushButton*>("bEines_2"), Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(portada.findChild<QLabel*>("lblGrup")->text(), QString("Delfines"));
        QCOMPARE(int(sessio.general.Idioma), 1);
        QCOMPARE(QFileInfo(ProgramFolder::generalCfg(dir.path())).size(), 14);
    }
};

QTEST_MAIN(TestPortada)
#include "tst_Portada.moc"
