#include "core/ui/Escalat.h"
#include "core/ui/Missatges.h"
#include "core/ui/VistaReduida.h"
#include "tests/support/Taula.h"
#include "tests/support/WhenModal.h"

#include <QPushButton>

// Windows shown smaller than drawn, for screens too small for the board: each runs in a scaled
// view of its own that follows its size and title, ends with it and gives it back afterwards. At
// full size every window runs on its own, as the window tests that find their dialogs show.

namespace {

constexpr double kReduccio = 0.8;

// A fixed 500 x 300 window that ends with 7 from its button.
struct Finestra : QDialog {
    Finestra() {
        setWindowTitle("Sumar");
        setFixedSize(500, 300);
        boto.setGeometry(10, 10, 100, 30);
        connect(&boto, &QPushButton::clicked, this, [this] { done(7); });
    }
    QPushButton boto{"D'acord", this};
};

struct Cas {
    const char* nom;
    std::function<void(Finestra&, VistaReduida&)> actua;
    int resultat;
};
const Cas kCasos[] = {
    {"the window's own button", [](Finestra& f, VistaReduida&) { f.boto.click(); }, 7},
    {"the view closed", [](Finestra&, VistaReduida& v) { v.close(); }, 0},
    {"Escape in the window",
     [](Finestra& f, VistaReduida&) { QTest::keyClick(&f.boto, Qt::Key_Escape); }, 0},
    {"a message over it, then the button",
     [](Finestra& f, VistaReduida& v) {
         QWidget* pare = nullptr;
         QSize mida;
         WhenModal missatge([&](QDialog* d) {
             pare = d->parentWidget();
             mida = d->size();
             d->close();
         });
         Missatges::Informacio("Molt bé!", 0, &f);
         QCOMPARE(pare, &v);
         QVERIFY(mida.width() < 400 && mida.height() < 240);
         f.boto.click();
     },
     7},
};

} // namespace

class TestVistaReduida : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Escalat::fixaReduccio(1); }

    void dialog_data() { files(kCasos); }
    void dialog() {
        const Cas& c = fila(kCasos);
        Escalat::fixaReduccio(kReduccio);
        Finestra f;
        WhenModal quan([&](QDialog* d) {
            auto* v = dynamic_cast<VistaReduida*>(d);
            QVERIFY(v);
            QCOMPARE(v->size(), QSize(400, 240));
            QCOMPARE(v->windowTitle(), QString("Sumar"));
            QVERIFY(v->minimumSize() == v->maximumSize() && f.graphicsProxyWidget());
            c.actua(f, *v);
        });
        QCOMPARE(Escalat::executa(f), c.resultat);
        QVERIFY(quan.ran() && !f.graphicsProxyWidget() && !f.isVisible());
    }

    // The main window: its view follows a resize both ways, and ends when the window closes.
    void mainWindow() {
        Escalat::fixaReduccio(0.5);
        QWidget principal;
        principal.resize(600, 400);
        principal.setWindowTitle("XIFRUM");
        const auto v = Escalat::mostra(principal);
        QVERIFY(v && v->isVisible());
        QCOMPARE(v->size(), QSize(300, 200));
        QCOMPARE(v->windowTitle(), QString("XIFRUM"));
        principal.setWindowTitle("XIFRUM: Dofins");
        QCOMPARE(v->windowTitle(), QString("XIFRUM: Dofins"));
        v->resize(400, 250);
        QCOMPARE(principal.size(), QSize(800, 500));
        principal.resize(700, 300);
        QCOMPARE(v->size(), QSize(350, 150));
        principal.close();
        QTRY_VERIFY(!v->isVisible());
    }
};

QTEST_MAIN(TestVistaReduida)
#include "tst_VistaReduida.moc"
