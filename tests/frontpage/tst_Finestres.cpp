#include "CaptaMissatges.h"
#include "CarpetaProva.h"
#include "Contrasenya.h"
#include "Missatges.h"
#include "Pas.h"
#include "Registres.h"
#include "Taula.h"
#include "TypeText.h"
#include "WhenModal.h"
#include "fIdioma.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <cstring>
#include <memory>

using Registres::camp;

// The front page's small windows: the message box, the password prompt and change, the language.

namespace {

// A window over a session of group 12.
template <class W> struct Finestra {
    CarpetaProva c;
    Sessio s;
    std::unique_ptr<W> w;
    explicit Finestra(int separador = 2, const char* clau = "TUXAM", int demanar = 0,
                      int idioma = 0) {
        s = c.sessio(12, idioma);
        s.general.Separador = uint8_t(separador);
        s.general.Clau = camp(clau, 8);
        s.general.Demanar = uint8_t(demanar);
        w = std::make_unique<W>(s);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    template <class T = QWidget> T* fill(const QString& nom) const {
        return w->template findChild<T*>(nom);
    }
    QString text(const char* nom) const { return fill<QLabel>(nom)->text(); }
    // General.cfg as written, "<missing>" when it was not.
    QByteArray cfg() const { return c.llegeix(c.generalCfg()); }
};

// How a window is left: a button by name, a key on `focus` (Return, keypad Enter, Escape, Tab
// then Space), Return on a button, or the close box.
void surt(QDialog* d, QWidget* focus, const QString& com) {
    if (com == "close")
        d->close();
    else if (com == "Tab Space") {
        QTest::keyClick(focus, Qt::Key_Tab);
        QTest::keyClick(d->focusWidget(), Qt::Key_Space);
    } else if (com.startsWith("Return on "))
        QTest::keyClick(d->findChild<QWidget*>(com.mid(10)), Qt::Key_Return);
    else if (com == "Return" || com == "Escape")
        QTest::keyClick(focus, com == "Return" ? Qt::Key_Return : Qt::Key_Escape);
    else if (com == "keypad Enter")
        QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
    else
        d->findChild<QPushButton*>(com)->click();
}

// A message box shown and left.
struct Caixa {
    const char *nom, *text, *com;
    bool pregunta, resposta;
};
const Caixa kCaixes[] = {
    {"long information, wrapped",
     "Aquest grup no té assignat un nivell, i cal que el mestre n'assigni un abans de començar; "
     "parleu-ne amb ell o amb ella i torneu-ho a provar més tard, si us plau.",
     "Mou_1", false, true},
    {"information, Return", "Hola", "Return", false, true},
    {"information, Escape", "Hola", "Escape", false, true},
    {"question, Sí", "Eliminar definitivament els registres?", "Mou_1", true, true},
    {"question, No", "?", "Mou_0", true, false},
    {"question, close box", "?", "close", true, false},
    {"question, Escape", "?", "Escape", true, false},
    {"question, Return on the default button", "?", "Return", true, false},
    {"question, Tab to Sí and Space", "?", "Tab Space", true, true}};

// The new password typed (and the prompt box clicked), then the window left: memory and
// General.cfg after it, which is written (1), not (0), or cannot be (2).
struct Canvi {
    const char *nom, *clau, *tecles, *com, *clauDespres;
    int demanar, demanarDespres, desa;
    bool caixa;
};
const Canvi kCanvis[] = {
    {"filtered as typed", "TUXAM", "a€Ωb-1", "Mou_1", "A\200B1", 0, 0, 1, false},
    {"prompt switched on", "TUXAM", "xy", "Mou_1", "XY", 0, 1, 1, true},
    {"empty, box on keeps the password", "TUXAM", "", "Mou_1", "TUXAM", 0, 1, 1, true},
    {"empty, box off", "AB1", "", "Mou_1", "AB1", 1, 0, 1, true},
    {"blanks typed keep the password", "TUXAM", "  ", "Mou_1", "TUXAM", 1, 1, 1, false},
    {"Return accepts, eight kept", "TUXAM", "abcdefghij", "Return", "ABCDEFGH", 0, 0, 1, false},
    {"cancel", "TUXAM", "ab", "Mou_0", "TUXAM", 0, 0, 0, true},
    {"Escape", "TUXAM", "ab", "Escape", "TUXAM", 1, 1, 0, true},
    {"close box", "TUXAM", "ab", "close", "TUXAM", 0, 0, 0, true},
    {"cannot be written, kept in memory", "TUXAM", "ab1", "Mou_1", "AB1", 0, 1, 2, true}};

// The prompt before a blind: typed `tecles`, left `com`.
struct Resposta {
    const char *nom, *clau, *tecles, *com, *missatge;
    int idioma;
    bool concedit;
};
const Resposta kRespostes[] = {
    {"right", "TUXAM", "tuxam", "Mou_1", nullptr, 0, true},
    {"wrong", "TUXAM", "tuxa", "Mou_1", "La clau és incorrecta", 0, false},
    {"wrong, in Spanish", "TUXAM", "xifrum", "Return", "La clave es incorrecta", 1, false},
    {"Return accepts", "TUXAM", "tuxam", "Return", nullptr, 0, true},
    {"keypad Enter accepts", "TUXAM", "tuxam", "keypad Enter", nullptr, 0, true},
    {"Return accepts even on the cross", "TUXAM", "tuxam", "Return on Mou_0", nullptr, 0, true},
    {"Escape", "TUXAM", "tuxam", "Escape", nullptr, 0, false},
    {"cross", "TUXAM", "tuxam", "Mou_0", nullptr, 0, false},
    {"close box", "TUXAM", "tuxam", "close", nullptr, 0, false},
    {"a longer password cut to 8 when set", "ABCDEFGH", "abcdefghij", "Mou_1", nullptr, 0, true}};

// A language row clicked (-1 none, 9 the Down key), a separator clicked (-1 none, 9 the Right
// key on the first), then the window left: memory and General.cfg after it.
struct Tria {
    const char *nom, *com;
    int idioma, separador, idiomaDespres, separadorDespres;
    bool desa;
};
const Tria kTries[] = {{"Spanish, accepted", "Botó_1", 1, -1, 1, 0, true},
                       {"Spanish, Return", "Return", 1, -1, 1, 0, true},
                       {"by keyboard", "Return", 9, -1, 1, 0, true},
                       {"Spanish, cancelled", "Botó_0", 1, -1, 0, 0, false},
                       {"Spanish, Escape", "Escape", 1, -1, 0, 0, false},
                       {"Spanish, close box", "close", 1, -1, 0, 0, false},
                       {"Cap, accepted", "Botó_1", -1, 2, 0, 2, true},
                       {"separator by keyboard", "Botó_1", -1, 9, 0, 1, true},
                       // Cancelling restores the language only.
                       {"Cap, cancelled", "Botó_0", -1, 2, 0, 2, false}};

// Everything the language window shows in words, in the order of its controls.
QString textos(const Finestra<fIdioma>& f) {
    QStringList t{f.w->windowTitle()};
    for (const char* nom : {"Eti_0", "Eti_1", "Eti_2", "Eti_3", "Actual", "Triat"})
        t << f.text(nom);
    for (int i = 0; i < 4; ++i)
        t << f.fill<QListWidget>("Disponibles")->item(i)->text();
    for (const char* nom : {"Separador_0", "Separador_1", "Separador_2"})
        t << f.fill<QRadioButton>(nom)->text();
    for (const char* nom : {"Botó_0", "Botó_1"})
        t << f.fill(nom)->toolTip() + "/" + f.fill(nom)->accessibleName();
    return t.join('|');
}
const QString kCatala = "Idioma de l'aplicació|Idioma actual|Idiomes disponibles|Idioma triat|"
                        "Separador de milers|Català|Català|Català|Espanyol|Gallec|Euskera|Punt|"
                        "Espai|Cap|Cancel·lar/Cancel·lar|Acceptar/Acceptar";

} // namespace

class TestFinestres : public QObject {
    Q_OBJECT
private slots:
    void missatges_data() { files(kCaixes); }
    void missatges() {
        const Caixa& r = fila(kCaixes);
        QStringList vist;
        WhenModal when([&](QDialog* box) {
            auto* text = box->findChild<QLabel*>("Text");
            auto* mou1 = box->findChild<QPushButton*>("Mou_1");
            vist << box->windowTitle() << box->focusWidget()->objectName() << text->text();
            for (const char* nom : {"Icona_0", "Icona_1", "Mou_0", "Mou_1"})
                if (auto* w = box->findChild<QWidget*>(nom); w->isVisible())
                    vist << nom + (w->accessibleName().isEmpty() ? "" : " " + w->accessibleName());
            // The whole text shows, and the buttons under it, inside the box.
            QVERIFY(box->isModal() && text->height() >= text->heightForWidth(text->width()));
            QVERIFY(text->geometry().right() < box->width());
            QVERIFY(mou1->y() >= text->geometry().bottom() &&
                    mou1->geometry().bottom() < box->height());
            surt(box, box, r.com);
        });
        bool resposta = true;
        if (r.pregunta)
            resposta = Missatges::Pregunta(QString::fromUtf8(r.text), 0);
        else
            Missatges::Informacio(QString::fromUtf8(r.text), 0);
        QVERIFY(when.ran() && !when.leftOpen());
        QCOMPARE(resposta, r.resposta);
        QCOMPARE(vist, QStringList({"XIFRUM 5.0", r.pregunta ? "Mou_0" : "Mou_1", r.text}) +
                           (r.pregunta ? QStringList{"Icona_0", "Mou_0 No", "Mou_1 Sí"}
                                       : QStringList{"Icona_1", "Mou_1 Acceptar"}));
    }

    void obertura() {
        Finestra<Contrasenya> w(2, "<B>X</B>", 1);
        QCOMPARE(
            QStringList({w.w->windowTitle(), w.text("Etiqueta_0"), w.text("Etiqueta_1"),
                         w.text("Etiqueta_2"), w.fill("Nova")->accessibleName(),
                         w.fill("Demanar")->accessibleName(), w.fill("Mou_0")->accessibleName(),
                         w.fill("Mou_1")->accessibleName(), w.text("Actual")})
                .join('|'),
            QString("Modificar la clau d'accés|Contrasenya actual|Nova contrasenya|Demanar "
                    "contrasenya|Nova contrasenya|Demanar contrasenya|Cancel·lar|Acceptar|"
                    "<B>X</B>"));
        QCOMPARE(w.fill<QLabel>("Actual")->textFormat(), Qt::PlainText); // never as markup
        QVERIFY(w.fill<QCheckBox>("Demanar")->isChecked());
        QCOMPARE(w.w->focusWidget(), w.fill("Nova"));
        // The prompt box is usually set together with a new password: typing goes back there,
        // also after a click on the box's caption.
        QTest::mouseClick(w.fill("Demanar"), Qt::LeftButton);
        QVERIFY(!w.fill<QCheckBox>("Demanar")->isChecked());
        QCOMPARE(w.w->focusWidget(), w.fill("Nova"));
        w.fill("Mou_0")->setFocus();
        QTest::mouseClick(w.fill("Etiqueta_2"), Qt::LeftButton);
        QVERIFY(w.fill<QCheckBox>("Demanar")->isChecked());
        QCOMPARE(w.w->focusWidget(), w.fill("Nova"));
        QCOMPARE(Finestra<Contrasenya>(2, "", 0, 1).w->windowTitle(),
                 QString("Modificar la clave de acceso"));
    }

    void canvia_data() { files(kCanvis); }
    void canvia() {
        const Canvi& r = fila(kCanvis);
        Finestra<Contrasenya> w(2, r.clau, r.demanar);
        if (r.desa == 2)
            QVERIFY(w.c.bloqueja(w.c.generalCfg()));
        CaptaMissatges capta;
        type(w.fill("Nova"), QString::fromUtf8(r.tecles));
        if (r.caixa)
            w.fill<QCheckBox>("Demanar")->click();
        surt(w.w.get(), w.fill("Nova"), r.com);
        QVERIFY(!w.w->isVisible());
        QCOMPARE(w.s.general.Clau + char('0' + w.s.general.Demanar),
                 camp(r.clauDespres, 8) + char('0' + r.demanarDespres));
        // The whole record is written from memory, the other settings in their places.
        QCOMPARE(w.cfg(), r.desa == 1
                              ? Registres::general(12, r.clauDespres, r.demanarDespres, 0, 2)
                              : QByteArray("<missing>"));
        QCOMPARE(capta.textos(), r.desa < 2 ? QStringList{}
                                            : QStringList{"No es pot crear la carpeta de dades del "
                                                          "programa o no s'hi pot escriure."});
    }

    void demana_data() { files(kRespostes); }
    void demana() {
        const Resposta& r = fila(kRespostes);
        Sessio s;
        s.general.Clau = camp(r.clau, 8);
        s.general.Idioma = int16_t(r.idioma);
        const ConfigGeneral abans = s.general;
        CaptaMissatges capta;
        QString vist;
        WhenModal pas("Pas", [&](QDialog* d) {
            auto* clau = d->findChild<QLineEdit*>("ClauVàlida");
            vist = QStringList({d->windowTitle(), clau->accessibleName(),
                                d->focusWidget()->objectName(),
                                d->findChild<QPushButton*>("Mou_0")->toolTip()})
                       .join('|');
            QCOMPARE(clau->echoMode(), QLineEdit::Password);
            type(clau, QString::fromUtf8(r.tecles));
            vist += QString("|%1").arg(clau->text().size());
            surt(d, clau, r.com);
        });
        QCOMPARE(Pas::Demana(s), r.concedit);
        QVERIFY(pas.ran() && !pas.leftOpen());
        QCOMPARE(capta.textos(), r.missatge ? QStringList{r.missatge} : QStringList{});
        QCOMPARE(vist, QString(r.idioma ? "Clave de acceso|Clave de acceso|ClauVàlida|Cancelar|%1"
                                        : "Clau d'accés|Clau d'accés|ClauVàlida|Cancel·lar|%1")
                           .arg(qMin(int(std::strlen(r.tecles)), 8)));
        QVERIFY(s.general == abans);
    }

    void idioma() {
        for (int sep = 0; sep < 3; ++sep) {
            Finestra<fIdioma> f(sep);
            QCOMPARE(textos(f), kCatala);
            QVERIFY(f.fill<QRadioButton>(QString("Separador_%1").arg(sep))->isChecked());
        }
        Finestra<fIdioma> gallec(0, "", 0, 2);
        QCOMPARE(gallec.fill<QListWidget>("Disponibles")->currentRow(), 2);
        QCOMPARE(gallec.text("Actual"), gallec.fill<QListWidget>("Disponibles")->item(2)->text());
        // The window previews a language while it is open, at the same size, writing nothing.
        Finestra<fIdioma> f;
        QCOMPARE(f.fill<QListWidget>("Disponibles")->currentRow(), 0);
        const QSize mida = f.w->size();
        for (int fila : {1, 3, 2, 0, 0}) {
            f.fill<QListWidget>("Disponibles")->setCurrentRow(fila);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(f.w->size(), mida);
            QCOMPARE(f.s.general.Idioma, int16_t(fila));
            if (fila == 1) // the language shown at opening named in Spanish
                QCOMPARE(textos(f), "Idioma de la aplicación|Idioma actual|Idiomas disponibles|"
                                    "Idioma elegido|Separador de miles|Catalán|Español|Catalán|"
                                    "Español|Gallego|Euskera|Punto|Espacio|Ninguno|"
                                    "Cancelar/Cancelar|Aceptar/Aceptar");
        }
        QCOMPARE(textos(f), kCatala);
        QVERIFY(f.w->isVisible());
        QCOMPARE(f.cfg(), QByteArray("<missing>"));
    }

    void tria_data() { files(kTries); }
    void tria() {
        const Tria& r = fila(kTries);
        Finestra<fIdioma> f(0);
        auto* llista = f.fill<QListWidget>("Disponibles");
        if (r.idioma == 9)
            QTest::keyClick(llista, Qt::Key_Down);
        else if (r.idioma >= 0)
            QTest::mouseClick(llista->viewport(), Qt::LeftButton, {},
                              llista->visualItemRect(llista->item(r.idioma)).center());
        auto* sep = f.fill<QRadioButton>(QString("Separador_%1").arg(r.separador % 9));
        if (r.separador == 9) {
            sep->setFocus();
            QTest::keyClick(sep, Qt::Key_Right);
        } else if (r.separador >= 0)
            sep->click();
        surt(f.w.get(), llista, r.com);
        QVERIFY(!f.w->isVisible());
        QCOMPARE(QString("%1 %2").arg(f.s.general.Idioma).arg(f.s.general.Separador),
                 QString("%1 %2").arg(r.idiomaDespres).arg(r.separadorDespres));
        QCOMPARE(f.cfg(),
                 r.desa ? Registres::general(12, "TUXAM", 0, r.idiomaDespres, r.separadorDespres)
                        : QByteArray("<missing>"));
    }
};

QTEST_MAIN(TestFinestres)
#include "tst_Finestres.moc"
