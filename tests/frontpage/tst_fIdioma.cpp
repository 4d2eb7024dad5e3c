#include "CarpetaProva.h"
#include "Registres.h"
#include "Taula.h"
#include "fIdioma.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

namespace {

const QString kCatala = "Idioma de l'aplicació|Idioma actual|Idiomes disponibles|Idioma triat|"
                        "Separador de milers|Català|Català|Català|Espanyol|Gallec|Euskera|Punt|"
                        "Espai|Cap|Cancel·lar|Acceptar";

struct Finestra {
    CarpetaProva c;
    Sessio s;
    std::unique_ptr<fIdioma> w;
    explicit Finestra(int idioma = 0, int separador = 0) {
        s = c.sessio(1, idioma);
        s.general.Separador = uint8_t(separador);
        w = std::make_unique<fIdioma>(s);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    template <class T = QWidget> T* fill(const QString& nom) const { return w->findChild<T*>(nom); }
    QListWidget* llista() const { return fill<QListWidget>("Disponibles"); }
    QRadioButton* separador(int i) const {
        return fill<QRadioButton>(QStringLiteral("Separador_%1").arg(i));
    }
    void prem(int fila) const {
        QTest::mouseClick(llista()->viewport(), Qt::LeftButton, {},
                          llista()->visualItemRect(llista()->item(fila)).center());
    }
    // Everything the window shows in words, in the order of its controls.
    QString textos() const {
        QStringList t{w->windowTitle()};
        for (int i = 0; i < 4; ++i)
            t << fill<QLabel>(QStringLiteral("Eti_%1").arg(i))->text();
        t << fill<QLabel>("Actual")->text() << fill<QLabel>("Triat")->text();
        for (int i = 0; i < 4; ++i)
            t << llista()->item(i)->text();
        for (int i = 0; i < 3; ++i)
            t << separador(i)->text();
        for (const char* b : {"Botó_0", "Botó_1"})
            t << fill(QString::fromUtf8(b))->toolTip();
        return t.join('|');
    }
};

// A choice made in the window and how it is left: '0'..'3' a language clicked, 'v' the Down key
// in the list, 'a'..'c' a separator clicked, '>' the Right key on the first separator; then 'A'
// accept, 'C' cancel, 'R' Return, 'X' Escape, 'T' the close box.
struct Tria {
    const char* nom;
    const char* accions;
    int idioma, separador;
    bool desa;
};
const Tria kTries[] = {
    {"Spanish, accepted", "1A", 1, 0, true},
    {"Spanish, Enter", "1R", 1, 0, true},
    {"by keyboard", "vR", 1, 0, true},
    {"Spanish, cancelled", "1C", 0, 0, false},
    {"Spanish, Escape", "1X", 0, 0, false},
    {"Spanish, close box", "1T", 0, 0, false},
    {"Espai, accepted", "bA", 0, 1, true},
    {"Cap, accepted", "cA", 0, 2, true},
    {"separator by keyboard", ">A", 0, 1, true},
    // Cancelling restores the language only: the separator stays chosen in memory.
    {"Cap, cancelled", "cC", 0, 2, false},
};

} // namespace

class TestIdioma : public QObject {
    Q_OBJECT
private slots:
    void obertura() {
        for (int sep = 0; sep < 3; ++sep) {
            Finestra f(0, sep);
            QCOMPARE(f.textos(), kCatala);
            QCOMPARE(f.llista()->currentRow(), 0);
            QVERIFY(f.separador(sep)->isChecked());
            QCOMPARE(f.fill("Botó_1")->accessibleName(), QString("Acceptar"));
            QVERIFY(f.w->isModal());
        }
        Finestra gallec(2);
        QCOMPARE(gallec.llista()->currentRow(), 2);
        QCOMPARE(gallec.fill<QLabel>("Actual")->text(), gallec.llista()->item(2)->text());
    }

    // The window previews a language while it is open, at the same size, writing nothing.
    void previsualitza() {
        Finestra f;
        const QSize mida = f.w->size();
        f.prem(1);
        QCOMPARE(f.s.general.Idioma, int16_t(1));
        QCOMPARE(f.textos().section('|', 0, 0), TextIdioma(499, 1));
        QCOMPARE(f.textos().section('|', 5, 10),
                 QStringList({TextIdioma(480, 1), TextIdioma(481, 1), TextIdioma(480, 1),
                              TextIdioma(481, 1), TextIdioma(482, 1), TextIdioma(483, 1)})
                     .join('|'));
        QCOMPARE(f.fill("Botó_0")->accessibleName(), TextIdioma(87, 1));
        for (int fila : {3, 2}) {
            f.prem(fila);
            QCoreApplication::sendPostedEvents();
            QCOMPARE(f.w->size(), mida);
        }
        f.prem(0);
        QCOMPARE(f.textos(), kCatala);
        f.prem(0); // the current language again changes nothing
        QCOMPARE(f.s.general.Idioma, int16_t(0));
        QVERIFY(f.w->isVisible());
        QVERIFY(!QFile::exists(f.c.generalCfg()));
    }

    void tria_data() { files(kTries); }
    void tria() {
        const Tria& r = fila(kTries);
        Finestra f;
        for (const char* a = r.accions; *a; ++a) {
            switch (*a) {
            case 'v':
                QTest::keyClick(f.llista(), Qt::Key_Down);
                break;
            case '>':
                f.separador(0)->setFocus();
                QTest::keyClick(f.separador(0), Qt::Key_Right);
                break;
            case 'A':
            case 'C':
                f.fill<QPushButton>(*a == 'A' ? "Botó_1" : "Botó_0")->click();
                break;
            case 'R':
            case 'X':
                QTest::keyClick(f.llista(), *a == 'R' ? Qt::Key_Return : Qt::Key_Escape);
                break;
            case 'T':
                f.w->close();
                break;
            default:
                if (*a >= 'a')
                    f.separador(*a - 'a')->click();
                else
                    f.prem(*a - '0');
            }
        }
        QVERIFY(!f.w->isVisible());
        QCOMPARE(f.s.general.Idioma, int16_t(r.idioma));
        QCOMPARE(int(f.s.general.Separador), r.separador);
        QCOMPARE(f.c.llegeix(f.c.generalCfg()),
                 r.desa ? Registres::general(1, "TUXAM", 0, r.idioma, r.separador)
                        : QByteArray("<missing>"));
    }
};

QTEST_MAIN(TestIdioma)
#include "tst_fIdioma.moc"
