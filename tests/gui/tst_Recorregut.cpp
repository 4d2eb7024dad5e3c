#include "ActivitatCardinals.h"
#include "ActivitatDividir.h"
#include "ActivitatMultiplicar.h"
#include "ActivitatOrdenar.h"
#include "ActivitatSumRes.h"
#include "ConfigGrup.h"
#include "Pissarra.h"
#include "Portada.h"
#include "ProgramFolder.h"
#include "RecordingSoundPlayer.h"
#include "Registre.h"
#include "Rutes.h"
#include "Sessio.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

// Whole series played from the front page: the pupil's tab, row and picture, then the board's
// own keys and buttons, and what the front page and the files hold once the board has closed.

namespace {

constexpr int kNivell = 3;  // the level the pupil plays in every activity
constexpr int kPosicio = 2; // the pupil's record in Dofins.dat (an empty slot before it)
const QByteArray kNom = "Laia Roig";

QByteArray alumne(char numero, const QByteArray& nom, char nivell) {
    return QByteArray(1, numero) + nom.leftJustified(35, ' ') + QByteArray(9, nivell) +
           QByteArray(20, ' ');
}

QByteArray nivell(int temps, int fer, int errors, int p1, int p2) {
    QByteArray b;
    for (int v : {temps, fer, errors})
        b += char(v & 0xFF), b += char((v >> 8) & 0xFF);
    for (int v : {p1, p2})
        for (int i = 0; i < 4; ++i)
            b += char((v >> (8 * i)) & 0xFF);
    return b;
}

void escriu(const QString& ruta, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(ruta).path());
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray llegeix(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The next right character of the exercise on the board, as the activity expects it.
QChar seguent(Pissarra* p) {
    Activitat* a = p->serie().activitat();
    if (auto* s = qobject_cast<ActivitatSumRes*>(a))
        return s->esperat().at(s->esperat().size() - 1 - s->columna());
    if (auto* c = qobject_cast<ActivitatCardinals*>(a))
        return c->linia().caracterAjuda();
    if (auto* d = qobject_cast<ActivitatDividir*>(a))
        return d->caracterAjuda();
    if (auto* m = qobject_cast<ActivitatMultiplicar*>(a)) {
        if (m->fase() == 4)
            return u'+';
        const QString fila = m->resposta(m->filaActual());
        return fila.at(fila.size() - 1 - m->columna()); // a blank is typed with the left arrow
    }
    return {};
}

enum Joc { Encerta, Erra, Tanca };

} // namespace

Q_DECLARE_METATYPE(Joc)

class TestRecorregut : public QObject {
    Q_OBJECT
private slots:
    void serieDesDeLaPortada_data();
    void serieDesDeLaPortada();
};

void TestRecorregut::serieDesDeLaPortada_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<QByteArray>("nivellJugat"); // the level record the board reads
    QTest::addColumn<Joc>("joc");
    QTest::addColumn<int>("nivellFinal");
    QTest::addColumn<QString>("resultat"); // the third field of the one history line

    const QByteArray suma = nivell(60, 2, 3, 1, 0);
    QTest::newRow("addition passed") << 5 << suma << Encerta << kNivell + 1 << "Superat";
    QTest::newRow("cardinals passed")
        << 1 << nivell(60, 2, 3, 1, 99) << Encerta << kNivell + 1 << "Superat";
    QTest::newRow("long multiplication passed")
        << 8 << nivell(60, 2, 3, 3, 2) << Encerta << kNivell + 1 << "Superat";
    QTest::newRow("long division passed")
        << 9 << nivell(60, 2, 3, 3, 1) << Encerta << kNivell + 1 << "Superat";
    QTest::newRow("ordering passed with help")
        << 4 << nivell(60, 2, 3, 0, 99) << Encerta << kNivell + 1 << "Superat";
    QTest::newRow("lost on errors") << 5 << suma << Erra << kNivell << "Errors";
    QTest::newRow("closed by the frame") << 5 << suma << Tanca << kNivell << "Abandona";
}

void TestRecorregut::serieDesDeLaPortada() {
    QFETCH(int, activitat);
    QFETCH(QByteArray, nivellJugat);
    QFETCH(Joc, joc);
    QFETCH(int, nivellFinal);
    QFETCH(QString, resultat);

    QTemporaryDir dir;
    const QString carpeta = dir.path();
    QByteArray grups = "111111111";
    grups += char(0) + QByteArray(9, char(10)) + QByteArray("Proves").leftJustified(100, ' ');
    escriu(ProgramFolder::grupsCfg(carpeta), grups);
    QByteArray niv(90 * 14, '\0');
    niv.replace(((activitat - 1) * 10 + kNivell - 1) * 14, 14, nivellJugat);
    escriu(RutaNivell(carpeta, "Proves"), niv);
    const QString dat = RutaRegistres(carpeta, 1, 0);
    escriu(dat, QByteArray(Registre::kLength, '\0') + alumne(5, kNom, char(kNivell)));

    Sessio sessio;
    sessio.carpeta = carpeta;
    sessio.general.GrupActual = 1;
    sessio.grup = LlegirConfigGrup(carpeta, 1);
    RecordingSoundPlayer so;
    Portada portada(sessio, so);
    portada.setAnimacions(false);
    portada.show();
    QVERIFY(QTest::qWaitForWindowExposed(&portada));

    auto* llistes = portada.findChild<QTabWidget*>("Llistes");
    QTest::mouseClick(llistes->tabBar(), Qt::LeftButton, {},
                      llistes->tabBar()->tabRect(activitat).center());
    auto* relacio = portada.findChild<QTableWidget*>(QString::fromUtf8("Relació"));
    int fila = 0;
    while (fila < relacio->rowCount() &&
           !(relacio->item(fila, 1) && relacio->item(fila, 1)->text().trimmed() == kNom))
        ++fila;
    QVERIFY(fila < relacio->rowCount());
    QTest::mouseClick(relacio->viewport(), Qt::LeftButton, {},
                      relacio->visualRect(relacio->model()->index(fila, 1)).center());
    auto* tNivell = portada.findChild<QLabel*>("tNivell");
    QCOMPARE(tNivell->text(), QString::number(kNivell));
    auto* imatge = portada.findChild<QPushButton*>("ImatgeGrup");
    QVERIFY(imatge->isEnabled());

    // The board runs its own modal loop: everything inside it is done from a timer, and every
    // path ends by closing the board so that a wrong turn fails the checks below, not the run.
    bool obert = false;
    int tecles = 0;
    QTimer::singleShot(0, [&] {
        auto* p = qobject_cast<Pissarra*>(QApplication::activeModalWidget());
        if (!p)
            return;
        obert = true;
        auto* btTxt = p->findChild<QPushButton*>("BtTxt");
        while (joc != Tanca && !p->serie().sortida() && tecles < 100) {
            if (qobject_cast<ActivitatOrdenar*>(p->serie().activitat())) {
                // Help puts the words in order and counts the list as done, at one error.
                QTest::mouseClick(p->findChild<QPushButton*>("BtAjuda"), Qt::LeftButton);
                if (!p->serie().sortida())
                    QTest::mouseClick(btTxt, Qt::LeftButton);
                ++tecles;
                continue;
            }
            const QChar bo = seguent(p);
            const QChar c = joc == Encerta ? bo : QChar(u'0' + (bo.digitValue() + 1) % 10);
            if (c == u' ')
                QTest::keyClick(p, Qt::Key_Left);
            else
                QTest::keyClick(p, c.toLatin1());
            ++tecles;
        }
        if (joc == Tanca)
            p->close();
        else
            QTest::mouseClick(btTxt, Qt::LeftButton);
        if (p->isVisible())
            p->reject();
    });
    QTest::mouseClick(imatge, Qt::LeftButton);
    QVERIFY(obert);
    QVERIFY(!QApplication::activeModalWidget());

    const QByteArray registre =
        llegeix(dat).mid((kPosicio - 1) * Registre::kLength, Registre::kLength);
    QCOMPARE(int(uint8_t(registre.at(36 + activitat - 1))), nivellFinal);
    // Only the level played moves; the other activities keep theirs.
    QCOMPARE(registre.count(char(kNivell)), nivellFinal == kNivell ? 9 : 8);
    QCOMPARE(tNivell->text(), QString::number(nivellFinal));
    QCOMPARE(relacio->item(fila, activitat + 1)->text(), QString::number(nivellFinal));

    const QList<QByteArray> linies = llegeix(RutaHistorial(carpeta, kNom)).trimmed().split('\n');
    QCOMPARE(linies.size(), 1);
    QCOMPARE(QString::fromLatin1(linies.first()).trimmed().split(u'\t').value(2), resultat);
}

QTEST_MAIN(TestRecorregut)
#include "tst_Recorregut.moc"
