#include "CaptaMissatges.h"
#include "CarpetaProva.h"
#include "Contrasenya.h"
#include "Pas.h"
#include "Registres.h"
#include "Taula.h"
#include "TypeText.h"
#include "WhenModal.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>

#include <memory>

using Registres::camp;

namespace {

// The password change window over a session of group 12 with the "Cap" separator.
struct Canvi {
    CarpetaProva c;
    Sessio s;
    std::unique_ptr<Contrasenya> w;
    explicit Canvi(const char* clau = "TUXAM", int demanar = 0) {
        s = c.sessio(12);
        s.general.Clau = camp(clau, 8);
        s.general.Demanar = uint8_t(demanar);
        s.general.Separador = 2;
        w = std::make_unique<Contrasenya>(s);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    template <class T = QWidget> T* fill(const char* nom) const {
        return w->findChild<T*>(QString::fromUtf8(nom));
    }
    QString text(const char* nom) const { return fill<QLabel>(nom)->text(); }
};

// How a window is left: a button, a key on `focus`, or its close box.
void surt(QDialog* d, QWidget* focus, const QString& com) {
    if (com.startsWith("Mou_"))
        d->findChild<QPushButton*>(com)->click();
    else if (com == "close")
        d->close();
    else if (com == "Escape")
        QTest::keyClick(focus, Qt::Key_Escape);
    else if (com == "keypad Enter")
        QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
    else if (com == "Enter on Mou_0")
        QTest::keyClick(d->findChild<QPushButton*>("Mou_0"), Qt::Key_Return);
    else
        QTest::keyClick(focus, Qt::Key_Return);
}

// Typing `tecles` into the new password (with a click on the prompt box) and leaving: what memory
// and General.cfg then hold.
struct Final {
    const char* nom;
    const char* clau;
    int demanar;
    const char* tecles;
    bool caixa;
    const char* com;
    QByteArray clauDespres;
    int demanarDespres;
    bool desa;
};
const Final kFinals[] = {
    {"new password, filtered", "TUXAM", 0, "a€Ωb-1", false, "Mou_1",
     "A\x80"
     "B1",
     0, true},
    {"prompt switched on", "TUXAM", 0, "xy", true, "Mou_1", "XY", 1, true},
    {"empty, box on keeps the password", "TUXAM", 0, "", true, "Mou_1", "TUXAM", 1, true},
    {"empty, box off", "AB1", 1, "", true, "Mou_1", "AB1", 0, true},
    {"blanks typed keep the password", "TUXAM", 1, "  ", false, "Mou_1", "TUXAM", 1, true},
    {"Enter accepts", "TUXAM", 0, "abcdefghij", false, "Enter", "ABCDEFGH", 0, true},
    {"cancel", "TUXAM", 0, "ab", true, "Mou_0", "TUXAM", 0, false},
    {"Escape", "TUXAM", 1, "ab", true, "Escape", "TUXAM", 1, false},
    {"close box", "TUXAM", 0, "ab", true, "close", "TUXAM", 0, false},
};

// The prompt before a blind: typed `tecles`, left `com`.
struct Resposta {
    const char* nom;
    const char* clau;
    int idioma;
    const char* tecles;
    const char* com;
    bool concedit;
    const char* missatge;
};
const Resposta kRespostes[] = {
    {"right", "TUXAM", 0, "tuxam", "Mou_1", true, nullptr},
    {"wrong", "TUXAM", 0, "tuxa", "Mou_1", false, "La clau és incorrecta"},
    {"wrong, in Spanish", "TUXAM", 1, "xifrum", "Mou_1", false, "La clave es incorrecta"},
    {"Enter accepts", "TUXAM", 0, "tuxam", "Enter", true, nullptr},
    {"keypad Enter accepts", "TUXAM", 0, "tuxam", "keypad Enter", true, nullptr},
    {"Enter accepts even on the cross", "TUXAM", 0, "tuxam", "Enter on Mou_0", true, nullptr},
    {"Enter, wrong", "TUXAM", 0, "x", "Enter", false, "La clau és incorrecta"},
    {"Escape", "TUXAM", 0, "tuxam", "Escape", false, nullptr},
    {"cross", "TUXAM", 0, "tuxam", "Mou_0", false, nullptr},
    {"close box", "TUXAM", 0, "tuxam", "close", false, nullptr},
    {"a longer password cut to 8 when set", "ABCDEFGH", 0, "abcdefghij", "Mou_1", true, nullptr},
};

// What asking with the prompt came to, typing `tecles` and leaving `com`.
struct Pregunta {
    bool concedit, mostrat, tancat;
    QStringList missatges;
    QString vist; // the box while typing
};
Pregunta demana(Sessio& s, const QString& tecles, const QString& com) {
    Pregunta p{};
    CaptaMissatges capta;
    WhenModal pas("Pas", [&](QDialog* d) {
        auto* clau = d->findChild<QLineEdit*>("ClauVàlida");
        type(clau, tecles);
        p.vist = clau->text();
        surt(d, clau, com);
    });
    p.concedit = Pas::Demana(s);
    p.mostrat = pas.ran();
    p.tancat = !pas.leftOpen();
    p.missatges = capta.textos();
    return p;
}

} // namespace

class TestClaus : public QObject {
    Q_OBJECT
private slots:
    void obertura() {
        Canvi w("<B>X</B>", 1);
        QCOMPARE(w.w->windowTitle(), QString("Modificar la clau d'accés"));
        QCOMPARE(w.text("Etiqueta_0") + "|" + w.text("Etiqueta_1") + "|" + w.text("Etiqueta_2"),
                 QString("Contrasenya actual|Nova contrasenya|Demanar contrasenya"));
        QCOMPARE(w.text("Actual"), QString("<B>X</B>"));
        QCOMPARE(w.fill<QLabel>("Actual")->textFormat(), Qt::PlainText);
        QVERIFY(w.fill<QCheckBox>("Demanar")->isChecked());
        QCOMPARE(w.w->focusWidget(), w.fill("Nova"));
        QCOMPARE(w.fill("Nova")->accessibleName(), QString("Nova contrasenya"));
        QCOMPARE(w.fill("Demanar")->accessibleName(), QString("Demanar contrasenya"));
        QCOMPARE(w.fill("Mou_0")->accessibleName() + w.fill("Mou_1")->accessibleName(),
                 QString("Cancel·larAcceptar"));

        Sessio s = w.s;
        QStringList vist;
        WhenModal pas("Pas", [&](QDialog* d) {
            auto* clau = d->findChild<QLineEdit*>("ClauVàlida");
            vist << d->windowTitle() << clau->accessibleName() << d->focusWidget()->objectName()
                 << d->findChild<QPushButton*>("Mou_0")->toolTip();
            QCOMPARE(clau->echoMode(), QLineEdit::Password);
            d->close();
        });
        QVERIFY(!Pas::Demana(s));
        QCOMPARE(vist, (QStringList{"Clau d'accés", "Clau d'accés", "ClauVàlida", "Cancel·lar"}));
    }

    // Pasted text obeys the same filter as typed text.
    void enganxa() {
        Canvi w;
        auto* nova = w.fill<QLineEdit>("Nova");
        type(nova, "AB");
        nova->setCursorPosition(1);
        QApplication::clipboard()->setText("x, y");
        QTest::keyClick(nova, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(nova->text(), QString("AXYB"));
        QCOMPARE(nova->cursorPosition(), 3);
    }

    void canvia_data() { files(kFinals); }
    void canvia() {
        const Final& r = fila(kFinals);
        Canvi w(r.clau, r.demanar);
        type(w.fill("Nova"), QString::fromUtf8(r.tecles));
        if (r.caixa)
            w.fill<QCheckBox>("Demanar")->click();
        surt(w.w.get(), w.fill("Nova"), r.com);
        QVERIFY(!w.w->isVisible());
        QCOMPARE(w.s.general.Clau, camp(r.clauDespres, 8));
        QCOMPARE(int(w.s.general.Demanar), r.demanarDespres);
        // The whole record is written from memory, the other settings in their places.
        QCOMPARE(w.c.llegeix(w.c.generalCfg()),
                 r.desa ? Registres::general(12, r.clauDespres, r.demanarDespres, 0, 2)
                        : QByteArray("<missing>"));
    }

    // The prompt box is usually set together with a new password: typing goes back there.
    void caixaTornaElFocus() {
        Canvi w;
        auto* demanar = w.fill<QCheckBox>("Demanar");
        QTest::mouseClick(demanar, Qt::LeftButton);
        QCOMPARE(w.w->focusWidget(), w.fill("Nova"));
        w.fill("Mou_0")->setFocus();
        QTest::mouseClick(w.fill("Etiqueta_2"), Qt::LeftButton); // its caption
        QVERIFY(!demanar->isChecked());
        QCOMPARE(w.w->focusWidget(), w.fill("Nova"));
    }

    // A General.cfg that cannot be written is said; the new settings stay in memory.
    void noEsPotDesar() {
        Canvi w;
        QVERIFY(w.c.bloqueja(w.c.generalCfg()));
        CaptaMissatges capta;
        type(w.fill("Nova"), "ab1");
        w.fill<QCheckBox>("Demanar")->click();
        w.fill<QPushButton>("Mou_1")->click();
        QCOMPARE(capta.textos(), QStringList{"No es pot crear la carpeta de dades del programa o "
                                             "no s'hi pot escriure."});
        QVERIFY(!w.w->isVisible());
        QCOMPARE(w.s.general.Clau, QByteArray("AB1     "));
        QCOMPARE(int(w.s.general.Demanar), 1);
    }

    void demana_data() { files(kRespostes); }
    void demana() {
        const Resposta& r = fila(kRespostes);
        Sessio s;
        s.general.Clau = camp(r.clau, 8);
        s.general.Idioma = int16_t(r.idioma);
        const ConfigGeneral abans = s.general;
        const Pregunta p = ::demana(s, QString::fromUtf8(r.tecles), r.com);
        QVERIFY(p.mostrat && p.tancat);
        QCOMPARE(p.concedit, r.concedit);
        QCOMPARE(p.missatges, r.missatge ? QStringList{r.missatge} : QStringList{});
        QCOMPARE(p.vist.size(), qMin(qsizetype(strlen(r.tecles)), qsizetype(8)));
        QVERIFY(s.general == abans);
    }

    // No retry: a wrong password closes the prompt; the next opening starts afresh.
    void unIntentPerCop() {
        Sessio s;
        s.general.Clau = "TUXAM   ";
        QVERIFY(!::demana(s, "tuxa", "Mou_1").concedit);
        const Pregunta p = ::demana(s, "tuxam", "Mou_1");
        QVERIFY(p.concedit && p.missatges.isEmpty());
    }
};

QTEST_MAIN(TestClaus)
#include "tst_Claus.moc"
