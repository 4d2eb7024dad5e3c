#include "ActivitatCardinals.h"
#include "Pissarra.h"
#include "RecordingSoundPlayer.h"
#include "Registre.h"
#include "Rutes.h"
#include "StringTable.h"
#include "Wingdings.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

constexpr int kGrup = 3;
constexpr int kPosicio = 2; // the pupil playing is the second record of the group's file
const QString kNom = QStringLiteral("Anna Puig");

struct Avis {
    int activitat;
    QString text;
};

struct Receptor : ReceptorNivell {
    QList<Avis> avisos;
    void nivellSuperat(int activitat, const Registre&, const QString& text) override {
        avisos.append({activitat, text});
    }
};

// A pupil record as the group's file holds it: number, name (35), nine levels, picture (20).
QByteArray registre(char numero, const QByteArray& nom, char nivell) {
    QByteArray r(1, numero);
    r += nom.leftJustified(35, ' ');
    r += QByteArray(9, nivell);
    r += QByteArray(20, ' ');
    return r;
}

// A level record: Temps, Fer, Errors (2 bytes each), the two parameters (4 bytes each).
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
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Nivell {
    int temps = 300, fer = 2, errors = 3, p1 = 1, p2 = 1;
};

// A program folder with a level set holding the level played and the group's pupil file, and a
// board opened on it for the pupil at level `jugat` of `activitat`, on the 5th of December 2001.
class Tauler {
public:
    Tauler(int activitat, int jugat, Nivell n, int nivells = 10, int separador = 0,
           int idioma = 0) {
        QByteArray niv(90 * 14, '\0');
        niv.replace(((activitat - 1) * 10 + jugat - 1) * 14, 14,
                    nivell(n.temps, n.fer, n.errors, n.p1, n.p2));
        escriu(RutaNivell(dir.path(), QStringLiteral("Proves")), niv);
        escriu(RutaRegistres(dir.path(), kGrup, 0),
               registre(4, "Pere", 1) + registre(7, kNom.toLatin1(), char(jugat)));

        ObreSerie o;
        o.carpeta = dir.path();
        o.grup = kGrup;
        o.separador = separador;
        o.idioma = idioma;
        o.configGrup.NomNivell = QStringLiteral("Proves");
        o.configGrup.Nivells.fill(uint8_t(nivells));
        o.registre.Numero = 7;
        o.registre.Nom = kNom;
        o.registre.Nivell.fill(uint8_t(jugat));
        o.registre.Imatge = QStringLiteral("anna.png");
        o.posicio = kPosicio;
        o.activitat = activitat;
        o.llavor = 11;
        EntornSerie e;
        e.so = &so;
        e.receptor = &receptor;
        e.avui = [] { return QDate(2001, 12, 5); };
        QPixmap foto(40, 40);
        foto.fill(Qt::blue);
        w = std::make_unique<Pissarra>(o, e, ImatgesPissarra{foto, {}});
        // The clock beats only when a test says so.
        w->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        w->show();
    }

    QTemporaryDir dir;
    RecordingSoundPlayer so;
    Receptor receptor;
    std::unique_ptr<Pissarra> w;

    template <class T = QWidget> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    QString text(const QString& nom) const {
        if (auto* l = fill<QLabel>(nom))
            return l->text();
        // A caption broken over lines says the same as on one.
        return fill<QPushButton>(nom)->text().replace(u'\n', u' ');
    }
    QWidget* caixa() const { return fill(QStringLiteral("CaixaTeclat")); }

    // The lines of the pupil's history, each cut into its fields.
    QList<QStringList> historial() const {
        QFile f(RutaHistorial(dir.path(), kNom));
        QList<QStringList> linies;
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& l : f.readAll().split('\n'))
                if (!l.isEmpty())
                    linies << QString::fromLatin1(l.trimmed()).split(u'\t');
        return linies;
    }
    QStringList resultats() const {
        QStringList r;
        for (const QStringList& l : historial())
            r << l.value(2);
        return r;
    }
    int nivellAlFitxer(int activitat) const {
        QFile f(RutaRegistres(dir.path(), kGrup, 0));
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        return uint8_t(f.readAll().at((kPosicio - 1) * Registre::kLength + 36 + activitat - 1));
    }

    // The next right character, read from what the board shows: the operands of a column sum,
    // the question of a table, or (for number words) the activity's expected answer.
    QChar seguent() const {
        if (fill(QStringLiteral("PanelSumRes"))) {
            QString a, b;
            for (int i = 0; auto* l = fill<QLabel>(QStringLiteral("Línia1_%1").arg(i)); ++i) {
                a.prepend(l->text());
                b.prepend(text(QStringLiteral("Línia2_%1").arg(i)));
            }
            const bool suma = text(QStringLiteral("MésMenys")) == QStringLiteral("+");
            QString r = QString::number(suma ? a.toInt() + b.toInt() : a.toInt() - b.toInt());
            r = r.rightJustified(a.size(), u'0');
            int columna = 0;
            while (fill(QStringLiteral("Línia3_%1").arg(columna + 1)))
                ++columna;
            return r.at(r.size() - 1 - columna);
        }
        QString solucio;
        const QStringList q = text(QStringLiteral("Pregunta")).split(QStringLiteral(" x "));
        if (q.size() == 2)
            solucio = QString::number(q.at(0).toInt() * q.at(1).toInt());
        else if (auto* c = qobject_cast<ActivitatCardinals*>(w->serie().activitat()))
            solucio = c->solucio();
        return solucio.at(text(QStringLiteral("lblSolució")).size());
    }
    QChar equivocat() const { return QChar(u'0' + (seguent().digitValue() + 1) % 10); }

    void tecla(QChar c) const {
        if (c == u'.')
            QTest::keyClick(caixa(), Qt::Key_Period);
        else
            QTest::keyClick(caixa(), c.toLatin1());
    }
    // Clicks the visible on-screen key that types `c`.
    void clica(QChar c) const {
        for (QPushButton* b : caixa()->findChildren<QPushButton*>())
            if (b->isVisible() && b->text() == QString(c)) {
                QTest::mouseClick(b, Qt::LeftButton);
                return;
            }
        QFAIL(qPrintable(QStringLiteral("no key types ") + c));
    }
    void clicaBoto(const QString& nom) const {
        QTest::mouseClick(fill<QPushButton>(nom), Qt::LeftButton);
    }
    // Finishes the exercise on the board, alternating the keyboard and the on-screen keys.
    void acabaExercici() const {
        const QString abans = text(QStringLiteral("Afirmatives"));
        for (int i = 0; i < 20 && text(QStringLiteral("Afirmatives")) == abans; ++i) {
            if (i % 2 == 0)
                tecla(seguent());
            else
                clica(seguent());
        }
    }
};

} // namespace

class TestPissarra : public QObject {
    Q_OBJECT
private slots:
    void obertura();
    void sumaSencera();
    void cardinalsFinsAlFinal();
    void perdudaPerErrors();
    void tancaments_data();
    void tancaments();
    void missatgesSencers();
    void teclats_data();
    void teclats();
    void persianaIMarcador_data();
    void persianaIMarcador();
};

void TestPissarra::obertura() {
    Tauler t(5, 3, {60, 2, 5, 2, 1});
    QCOMPARE(t.w->windowTitle(),
             QStringLiteral(" ") + TextIdioma(2, 0) + QStringLiteral(": Sumar"));
    QCOMPARE(t.text("Etiqueta_0"), QStringLiteral("Número"));
    QCOMPARE(t.text("Etiqueta_1"), QStringLiteral("Nom"));
    QCOMPARE(t.text("Etiqueta_2"), QStringLiteral("Nivell"));
    QCOMPARE(t.text("Dades_0"), QStringLiteral("7"));
    QCOMPARE(t.text("Dades_1"), kNom);
    QCOMPARE(t.text("Dades_2"), QStringLiteral("3"));
    QCOMPARE(t.text("Afirmatives"), QStringLiteral("2"));
    QCOMPARE(t.text("Negatives"), QStringLiteral("5"));
    QCOMPARE(t.text("Rellotge"), QStringLiteral("60"));
    QVERIFY(t.fill("Imatge")->isVisible());
    QCOMPARE(t.fill("Imatge")->accessibleName(), kNom);
    QVERIFY(!t.fill("BtTxt")->isVisible());
    QVERIFY(!t.fill("Pulsa")->isVisible());
    QVERIFY(t.fill("BtEspera_1")->isVisible());
    QVERIFY(!t.fill("BtEspera_0")->isVisible());
    QCOMPARE(t.text("MésMenys"), QStringLiteral("+"));
    QCOMPARE(t.w->focusWidget(), t.caixa());

    // Every control a pupil can act on has a name a screen reader can say.
    QCOMPARE(t.fill("BtAjuda")->accessibleName(), QStringLiteral("Ajuda"));
    QCOMPARE(t.fill("BtAjuda")->toolTip(), QStringLiteral("Ajuda"));
    QCOMPARE(t.fill("BtEspera_0")->accessibleName(), QStringLiteral("Esperar"));
    QCOMPARE(t.fill("BtEspera_1")->accessibleName(), QStringLiteral("No esperar"));
    QCOMPARE(t.fill("BtTancar")->accessibleName(), QStringLiteral("Sortir"));
    for (int i = 0; i < 29; ++i)
        if (auto* b = t.fill<QPushButton>(QStringLiteral("Tecla_%1").arg(i)))
            QCOMPARE(b->accessibleName(), b->text());

    t.w->tic();
    QCOMPARE(t.text("Rellotge"), QStringLiteral("59"));
}

void TestPissarra::sumaSencera() {
    Tauler t(5, 3, {300, 2, 3, 2, 1});

    // The wait option: after the first exercise the board waits for the continue button.
    t.clicaBoto("BtEspera_1");
    QVERIFY(t.fill("BtEspera_0")->isVisible());
    QVERIFY(!t.fill("BtEspera_1")->isVisible());

    const QChar mal = t.equivocat();
    t.tecla(mal);
    QCOMPARE(t.fill<QLabel>("Línia3_0")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(t.text("Negatives"), QStringLiteral("2"));
    t.acabaExercici();

    QCOMPARE(t.text("Afirmatives"), QStringLiteral("1"));
    QVERIFY(t.fill("BtTxt")->isVisible());
    QVERIFY(t.fill("Pulsa")->isVisible());
    QCOMPARE(t.text("BtTxt"), TextIdioma(71, 0));
    QVERIFY(!t.fill("Tecla_5")->isEnabled());
    t.tecla(u'5'); // nothing is judged while the message shows
    QCOMPARE(t.text("Negatives"), QStringLiteral("2"));

    QTest::keyClick(t.caixa(), Qt::Key_Return);
    QVERIFY(t.w->isVisible());
    QVERIFY(!t.fill("BtTxt")->isVisible());
    QVERIFY(t.fill("Tecla_5")->isEnabled());
    QCOMPARE(t.fill<QLabel>("Línia3_0")->text(), Wingdings::text(Wingdings::kWaitingDigit));

    // Help writes the units digit for one error.
    const QChar unitats = t.seguent();
    t.clicaBoto("BtAjuda");
    QCOMPARE(t.text("Negatives"), QStringLiteral("1"));
    QCOMPARE(t.fill<QLabel>("Línia3_0")->text(), QString(unitats));
    QCOMPARE(t.fill<QLabel>("Línia3_0")->palette().color(QPalette::WindowText),
             QColor(255, 255, 0));
    QCOMPARE(t.w->focusWidget(), t.caixa());
    t.acabaExercici();

    QCOMPARE(t.text("Afirmatives"), QStringLiteral("0"));
    QCOMPARE(t.text("BtTxt"), TextIdioma(78, 0));
    QCOMPARE(t.text("Dades_2"), QStringLiteral("4"));
    QCOMPARE(t.so.played.count(QStringLiteral("24")), 2);
    QCOMPARE(t.so.played.mid(t.so.played.size() - 2), (QStringList{"20", "23"}));
    QCOMPARE(t.nivellAlFitxer(5), 4);
    QCOMPARE(t.nivellAlFitxer(6), 3);
    QCOMPARE(t.resultats(), QStringList{TextIdioma(301, 0)});
    QCOMPARE(t.historial().at(0).at(3).trimmed(), QStringLiteral("3"));
    QCOMPARE(t.receptor.avisos.size(), 1);
    QCOMPARE(t.receptor.avisos.at(0).activitat, 5);
    QCOMPARE(t.receptor.avisos.at(0).text, QStringLiteral("4"));
    QVERIFY(!t.fill<QTimer>("Timer1")->isActive());

    // Enter now closes the board, and nothing more is written.
    QTest::keyClick(t.caixa(), Qt::Key_Return);
    QVERIFY(!t.w->isVisible());
    QCOMPARE(t.w->result(), int(QDialog::Accepted));
    QCOMPARE(t.historial().size(), 1);
}

void TestPissarra::cardinalsFinsAlFinal() {
    // The group's last level: passing it stores 0 and shows "-".
    Tauler t(1, 4, {300, 2, 0, 1000, 99999}, 4);
    QVERIFY(t.fill("Teclat_1")->isVisible());
    QCOMPARE(t.text("Tecla_20"), QStringLiteral("."));
    QVERIFY(!t.text("Pregunta").isEmpty());

    t.acabaExercici();
    QCOMPARE(t.text("Afirmatives"), QStringLiteral("1"));
    QCOMPARE(t.text("lblSolució"), QString()); // the next exercise starts at once
    t.acabaExercici();

    QCOMPARE(t.text("BtTxt"), TextIdioma(77, 0));
    QCOMPARE(t.text("Dades_2"), QStringLiteral("-"));
    QCOMPARE(t.nivellAlFitxer(1), 0);
    QCOMPARE(t.resultats(), QStringList{TextIdioma(300, 0)});
    QCOMPARE(t.historial().at(0).at(3).trimmed(), QStringLiteral("4"));
    QCOMPARE(t.receptor.avisos.size(), 1);
    QCOMPARE(t.receptor.avisos.at(0).text, QStringLiteral("-"));
    QCOMPARE(t.so.played, (QStringList{"20", "20", "23"}));
}

void TestPissarra::perdudaPerErrors() {
    Tauler t(7, 2, {300, 3, 2, 3, 6});
    for (int i = 0; i < 3; ++i)
        t.tecla(t.equivocat());

    QCOMPARE(t.text("Negatives"), QStringLiteral(" "));
    QCOMPARE(t.fill<QLabel>("Senyal")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(t.so.played, (QStringList{"24", "24", "24", "22"}));
    QVERIFY(t.fill("BtTxt")->isVisible());
    QCOMPARE(t.text("BtTxt"), TextIdioma(76, 0));
    QCOMPARE(t.fill("BtTxt")->accessibleName(), TextIdioma(76, 0));
    QCOMPARE(t.resultats(), QStringList{TextIdioma(45, 0)});
    QCOMPARE(t.nivellAlFitxer(7), 2);
    QVERIFY(t.receptor.avisos.isEmpty());

    t.clicaBoto("BtAjuda"); // the series is over: help costs nothing more
    QCOMPARE(t.so.played.size(), 4);
}

void TestPissarra::tancaments_data() {
    // T clock beat, X close box, B BtTancar, C BtTxt, E Esc, R Return, K keypad Enter; H the
    // history file cannot be written.
    QTest::addColumn<QString>("accions");
    QTest::addColumn<QStringList>("resultats");
    QTest::addColumn<bool>("oberta");

    const QString temps = TextIdioma(43, 0);
    const QString abandona = TextIdioma(302, 0);
    QTest::newRow("marc a mitja sèrie") << "X" << QStringList{abandona} << false;
    QTest::newRow("BtTancar a mitja sèrie") << "B" << QStringList{abandona} << false;
    QTest::newRow("Esc no tanca") << "E" << QStringList{} << true;
    QTest::newRow("sense temps") << "TT" << QStringList{temps} << true;
    QTest::newRow("continuar després del final") << "TTC" << QStringList{temps} << false;
    QTest::newRow("retorn després del final") << "TTR" << QStringList{temps} << false;
    QTest::newRow("intro del teclat numèric") << "TTK" << QStringList{temps} << false;
    QTest::newRow("marc després del final") << "TTX" << QStringList{temps} << false;
    QTest::newRow("BtTancar després del final") << "TTB" << QStringList{temps} << false;
    QTest::newRow("historial no desat al final") << "HTT" << QStringList{} << true;
    QTest::newRow("historial no desat en sortir") << "HB" << QStringList{} << false;
}

void TestPissarra::tancaments() {
    QFETCH(QString, accions);
    Tauler t(6, 1, {1, 2, 3, 1, 0});
    // Whatever the board says in its message box.
    QStringList missatges;
    QTimer caixes;
    QObject::connect(&caixes, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box && box != t.w.get() && box->isVisible()) {
            missatges << box->findChild<QLabel*>(QStringLiteral("Text"))->text();
            box->done(QDialog::Accepted);
        }
    });
    caixes.start(0);
    for (QChar a : accions) {
        switch (a.unicode()) {
        case u'T':
            t.w->tic();
            break;
        case u'X':
            t.w->close();
            break;
        case u'B':
            t.clicaBoto("BtTancar");
            break;
        case u'C':
            t.clicaBoto("BtTxt");
            break;
        case u'E':
            QTest::keyClick(t.caixa(), Qt::Key_Escape);
            break;
        case u'R':
        case u'K':
            QTest::keyClick(t.w->focusWidget(), Qt::Key_Return,
                            a == u'K' ? Qt::KeypadModifier : Qt::NoModifier);
            break;
        case u'H':
            QVERIFY(QDir().mkpath(RutaHistorial(t.dir.path(), kNom)));
            break;
        }
    }
    QCoreApplication::processEvents();
    QCOMPARE(missatges, accions.contains(u'H') ? QStringList{TextIdioma(120, 0)} : QStringList{});
    QTEST(t.resultats(), "resultats");
    QTEST(t.w->isVisible(), "oberta");
    QCOMPARE(t.nivellAlFitxer(6), 1);
    if (accions.startsWith(QStringLiteral("TT"))) {
        QCOMPARE(t.text("Rellotge"), QStringLiteral("0"));
        QCOMPARE(t.so.played, QStringList{"22"});
    }
}

// The end messages are longer than a line of the button: every word of them shows, in every
// language, the longest being the one about files that cannot be written.
void TestPissarra::missatgesSencers() {
    for (int idioma = 0; idioma < 4; ++idioma) {
        for (bool bloquejat : {false, true}) {
            Tauler t(6, 1, {1, 2, 3, 1, 0}, 10, 0, idioma);
            if (bloquejat) {
                const QString dat = RutaRegistres(t.dir.path(), kGrup, idioma);
                QFile::remove(dat);
                QVERIFY(QDir().mkpath(dat));
                t.w->serie().RespostaCorrecta();
                t.w->serie().RespostaCorrecta();
            } else {
                t.w->tic();
                t.w->tic();
            }
            auto* b = t.fill<QPushButton>(QStringLiteral("BtTxt"));
            const QString esperat = TextIdioma(bloquejat ? 120 : 75, idioma);
            QCOMPARE(b->accessibleName(), esperat);
            QCOMPARE(t.text(QStringLiteral("BtTxt")), esperat);
            const QFontMetrics fm(b->font());
            const QStringList linies = b->text().split(u'\n');
            for (const QString& l : linies)
                QVERIFY2(fm.horizontalAdvance(l) <= b->width() - 36, qPrintable(l));
            QVERIFY2(linies.size() * fm.lineSpacing() <= b->height() - 20, qPrintable(esperat));
        }
    }
}

void TestPissarra::teclats_data() {
    QTest::addColumn<int>("activitat");
    QTest::addColumn<int>("separador");
    QTest::addColumn<int>("superior");
    QTest::addColumn<int>("teclat");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<int>("midaExtra");

    QTest::newRow("cardinals amb punt") << 1 << 0 << 5000 << 1 << "." << 28;
    QTest::newRow("cardinals amb espai") << 1 << 1 << 5000 << 1 << "Espai" << 10;
    QTest::newRow("ordinals grans") << 2 << 2 << 1000 << 1 << "." << 28;
    QTest::newRow("restar") << 6 << 0 << 1 << 0 << "" << 0;
}

void TestPissarra::teclats() {
    QFETCH(int, activitat);
    QFETCH(int, separador);
    QFETCH(int, superior);
    QFETCH(int, teclat);
    QFETCH(QString, extra);

    Tauler t(activitat, 1, {300, 2, 3, 1, superior}, 10, separador);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(t.fill(QStringLiteral("Teclat_%1").arg(k))->isVisible(), k == teclat);
    if (teclat == 1) {
        auto* b = t.fill<QPushButton>("Tecla_20");
        QCOMPARE(b->text(), extra);
        QCOMPARE(b->accessibleName(), extra);
        QTEST(b->font().pointSize(), "midaExtra");
    }
}

void TestPissarra::persianaIMarcador_data() {
    QTest::addColumn<QString>("rodet");
    QTest::addColumn<QString>("pom");
    QTest::addColumn<QList<int>>("alcades"); // down, up
    QTest::addColumn<QList<int>>("poms");

    QTest::newRow("persiana") << "Persiana"
                              << "Pom" << QList<int>{263, 22} << QList<int>{250, 10};
    QTest::newRow("marcador") << "Marcador"
                              << "Pom2" << QList<int>{110, 22} << QList<int>{98, 10};
}

void TestPissarra::persianaIMarcador() {
    QFETCH(QString, rodet);
    QFETCH(QString, pom);
    QFETCH(QList<int>, alcades);
    QFETCH(QList<int>, poms);

    Tauler t(5, 1, {});
    QWidget* r = t.fill(rodet);
    QWidget* p = t.fill(pom);
    QCOMPARE(r->height(), alcades.at(0));
    QCOMPARE(p->y(), poms.at(0));
    for (int i : {1, 0}) {
        t.clicaBoto(rodet);
        t.w->acabaAnimacions();
        QCOMPARE(r->height(), alcades.at(i));
        QCOMPARE(p->y(), poms.at(i));
        QCOMPARE(t.w->focusWidget(), t.caixa());
    }
    QCOMPARE(t.so.played, (QStringList{"21", "21"}));
}

QTEST_MAIN(TestPissarra)
#include "tst_Pissarra.moc"
