#include "board/ActivitatMultiplicar.h"
#include "board/ActivitatSumRes.h"
#include "board/ui/Pissarra.h"
#include "frontpage/Portada.h"
#include "numeration/ActivitatOrdenar.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"
#include "tests/support/WhenModal.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

// Whole series played from the front page: the pupil's tab, row and picture, then the board's
// own keys and buttons, and what the front page and the files hold once the board has closed.

namespace {

using namespace Registres;

// The next right character of the exercise on the board, as the activity expects it.
QChar seguent(Activitat* a) {
    if (auto* s = qobject_cast<ActivitatSumRes*>(a))
        return s->esperat().at(s->esperat().size() - 1 - s->columna());
    auto* m = qobject_cast<ActivitatMultiplicar*>(a);
    if (m->fase() == 4)
        return u'+';
    const QString fila = m->resposta(m->filaActual());
    return fila.at(fila.size() - 1 - m->columna()); // a blank is typed with the left arrow
}

// Laia plays level 3 of `activitat`, the level set holding `nivell` there: right answers, wrong
// ones, or the board closed by its frame.
enum Joc { Encerta, Erra, Tanca };
struct Partida {
    const char *nom, *resultat; // of the one history line
    int activitat;
    QByteArray nivell;
    Joc joc;
    int nivellFinal;
};
const Partida kSeries[] = {
    {"addition passed", "Superat", 5, nivell(60, 2, 3, 1, 0), Encerta, 4},
    {"long multiplication passed", "Superat", 8, nivell(60, 2, 3, 3, 2), Encerta, 4},
    {"ordering passed with help", "Superat", 4, nivell(60, 2, 3, 0, 99), Encerta, 4},
    {"lost on errors", "Errors", 5, nivell(60, 2, 3, 1, 0), Erra, 3},
    {"closed by the frame", "Abandona", 5, nivell(60, 2, 3, 1, 0), Tanca, 3}};

} // namespace

class TestRecorregut : public QObject {
    Q_OBJECT
private slots:
    void serieDesDeLaPortada_data() { files(kSeries); }
    void serieDesDeLaPortada() {
        const Partida& r = fila(kSeries);
        CarpetaProva c;
        c.escriu(c.grupsCfg(), grup("111111111", 0, 10, "Proves"));
        c.escriu(c.niv("Proves"), joc({{r.activitat, 3, r.nivell}}));
        // Laia's record comes after an empty slot.
        c.escriu(c.dat("Dofins"), QByteArray(65, '\0') + alumne(5, "Laia Roig", 3));
        Sessio sessio = c.sessio();
        RecordingSoundPlayer so;
        Portada portada(sessio, so);
        portada.setAnimacions(false);
        portada.show();
        QVERIFY(QTest::qWaitForWindowExposed(&portada));
        QTabBar* pestanyes = portada.findChild<QTabWidget*>("Llistes")->tabBar();
        QTest::mouseClick(pestanyes, Qt::LeftButton, {}, pestanyes->tabRect(r.activitat).center());
        auto* relacio = portada.findChild<QTableWidget*>("Relació");
        QTest::mouseClick(relacio->viewport(), Qt::LeftButton, {},
                          relacio->visualRect(relacio->model()->index(0, 1)).center());
        auto* tNivell = portada.findChild<QLabel*>("tNivell");
        QCOMPARE(tNivell->text(), QString("3"));
        // Every path ends by closing the board, so that a wrong turn fails the checks below.
        WhenModal pissarra("Pissarra", [&](QDialog* d) {
            auto* p = static_cast<Pissarra*>(d);
            auto* btTxt = p->findChild<QPushButton*>("BtTxt");
            for (int tecles = 0; r.joc != Tanca && !p->serie().sortida() && tecles < 100;
                 ++tecles) {
                if (qobject_cast<ActivitatOrdenar*>(p->serie().activitat())) {
                    // Help puts the words in order and counts the list as done, at one error.
                    p->findChild<QPushButton*>("BtAjuda")->click();
                    if (!p->serie().sortida())
                        btTxt->click();
                    continue;
                }
                const QChar bo = seguent(p->serie().activitat());
                const QChar c = r.joc == Encerta ? bo : QChar(u'0' + (bo.digitValue() + 1) % 10);
                QTest::keyClick(p, c == u' ' ? Qt::Key_Left : Qt::Key(c.unicode()));
            }
            if (r.joc == Tanca)
                p->close();
            else
                btTxt->click();
        });
        portada.findChild<QPushButton*>("ImatgeGrup")->click();
        QVERIFY(pissarra.ran() && !pissarra.leftOpen());
        // Only the level played moves; the other activities keep theirs.
        std::array<uint8_t, 9> nivells;
        nivells.fill(3);
        nivells[r.activitat - 1] = uint8_t(r.nivellFinal);
        QCOMPARE(c.llegeix(c.dat("Dofins")),
                 QByteArray(65, '\0') + alumne(5, "Laia Roig", nivells));
        QCOMPARE(tNivell->text() + relacio->item(0, r.activitat + 1)->text(),
                 QString::number(r.nivellFinal).repeated(2));
        const QList<QByteArray> linies = c.llegeix(c.hst("Laia Roig")).trimmed().split('\n');
        QCOMPARE(linies.size(), 1);
        QCOMPARE(linies.first().split('\t').value(2).trimmed(), QByteArray(r.resultat));
    }
};

QTEST_MAIN(TestRecorregut)
#include "tst_Recorregut.moc"
