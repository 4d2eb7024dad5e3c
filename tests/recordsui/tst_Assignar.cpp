#include "Assignar.h"
#include "ProgramFolder.h"
#include "Sessio.h"
#include "WhenModal.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kGrup = 2; // "Lloros" in Catalan

QByteArray llegeix(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Grups.cfg holding record 2 alone, with the default activities and levels and set `nom`.
QByteArray grupsCfg(const QByteArray& nom) {
    return QByteArray(119, '\0') + "111111111" + '\0' + QByteArray(9, '\x0A') +
           nom.leftJustified(100, ' ');
}

class Carpeta {
public:
    Carpeta() {
        QDir(dir.path()).mkpath("Inf/Niv");
        sessio.carpeta = dir.path();
        sessio.general.GrupActual = kGrup;
    }
    void posaJoc(const QString& nom) const {
        QFile f(dir.filePath("Inf/Niv/" + nom + ".niv"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QByteArray cfg() const { return llegeix(ProgramFolder::grupsCfg(dir.path())); }

    QTemporaryDir dir;
    Sessio sessio;
};

QStringList elements(QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}

} // namespace

class TestAssignar : public QObject {
    Q_OBJECT
private slots:
    // No set at all: one named after the group is created from the defaults, listed and chosen.
    // The front page's button of the group lends its picture.
    void carpetaBuida() {
        Carpeta c;
        QWidget portada;
        auto* boto = new QPushButton("Lloros", &portada);
        boto->setObjectName("Grup_2");
        boto->resize(80, 96);
        QStringList llista;
        QString actual, triat, titol;
        bool ambImatge = false;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            titol = w->windowTitle();
            llista = elements(w->findChild<QListWidget*>("ArxiusCfg"));
            actual = w->findChild<QLabel*>("Actual")->text();
            triat = w->findChild<QLabel*>("Triat")->text();
            ambImatge = !w->findChild<QLabel*>("Grup")->pixmap().isNull();
            QTest::mouseClick(w->findChild<QPushButton*>(QString::fromUtf8("Botó_1")),
                              Qt::LeftButton);
        });
        Assignar::Obre(c.sessio, &portada);
        QCOMPARE(titol, QString(" Assignar nivell"));
        QCOMPARE(llista, QStringList{"Lloros"});
        QCOMPARE(actual, QString("Lloros"));
        QCOMPARE(triat, QString("Lloros"));
        QVERIFY(ambImatge);
        QCOMPARE(QFileInfo(c.dir.filePath("Inf/Niv/Lloros.niv")).size(), 1260);
        QCOMPARE(c.cfg(), grupsCfg("Lloros"));
    }

    // The set a folder without sets would get cannot be made (a file stands where Inf/Niv goes):
    // the user is told, nothing that does not exist is listed, and the group's record still takes
    // the group's name as its set.
    void jocNoCreat() {
        Carpeta c;
        QVERIFY(QDir(c.dir.filePath("Inf/Niv")).removeRecursively());
        QFile enMig(c.dir.filePath("Inf/Niv"));
        QVERIFY(enMig.open(QIODevice::WriteOnly));
        enMig.close();
        QString said;
        WhenModal missatge("Missatges", [&](QDialog* box) {
            said = box->findChild<QLabel*>("Text")->text();
            QTest::mouseClick(box->findChild<QPushButton*>("Mou_1"), Qt::LeftButton);
        });
        Assignar w(c.sessio);
        QVERIFY(missatge.ran());
        QCOMPARE(said, QString("No es pot crear la carpeta de dades del programa o no s'hi pot "
                               "escriure."));
        QCOMPARE(elements(w.findChild<QListWidget*>("ArxiusCfg")), QStringList{});
        QCOMPARE(w.findChild<QLabel*>("Actual")->text(), QString("Lloros"));
        w.show();
        QTest::mouseClick(w.findChild<QPushButton*>(QString::fromUtf8("Botó_1")), Qt::LeftButton);
        QCOMPARE(c.cfg(), grupsCfg("Lloros"));
        QVERIFY(QFileInfo(c.dir.filePath("Inf/Niv")).isFile());
    }

    // A group without a set: the window shows the group's name, and every way of closing
    // writes the group's record; only `Botó_1` takes the set chosen in the list.
    void grupSenseJoc_data() {
        QTest::addColumn<QString>("com");
        QTest::addColumn<QByteArray>("desat");
        QTest::newRow("accept") << QString::fromUtf8("Botó_1") << QByteArray("Zeta");
        QTest::newRow("cancel") << QString::fromUtf8("Botó_0") << QByteArray("Lloros");
        QTest::newRow("Escape") << "Escape" << QByteArray("Lloros");
    }
    void grupSenseJoc() {
        QFETCH(QString, com);
        QFETCH(QByteArray, desat);
        Carpeta c;
        c.posaJoc("Alfa");
        c.posaJoc("Zeta");
        Assignar w(c.sessio);
        w.show();
        auto* llista = w.findChild<QListWidget*>("ArxiusCfg");
        QCOMPARE(elements(llista), QStringList({"Alfa", "Zeta"}));
        QCOMPARE(w.findChild<QLabel*>("Actual")->text(), QString("Lloros"));
        QCOMPARE(llista->currentRow(), 0);
        QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                          llista->visualItemRect(llista->item(1)).center());
        QCOMPARE(w.findChild<QLabel*>("Triat")->text(), QString("Zeta"));
        QVERIFY(c.cfg().isEmpty());
        if (com == "Escape")
            QTest::keyClick(llista, Qt::Key_Escape);
        else
            QTest::mouseClick(w.findChild<QPushButton*>(com), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(c.cfg(), grupsCfg(desat));
    }
};

QTEST_MAIN(TestAssignar)
#include "tst_Assignar.moc"
