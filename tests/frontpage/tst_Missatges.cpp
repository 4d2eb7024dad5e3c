#include "Missatges.h"
#include "Taula.h"
#include "WhenModal.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// A box shown and left `com`: the button, a key, Tab then Space, or the close box.
struct Cas {
    const char* nom;
    bool pregunta;
    const char* text;
    const char* com;
    bool resposta;
};
const Cas kCasos[] = {
    {"information", false, "Aquest grup no té assignat un nivell", "Mou_1", true},
    {"long information, wrapped", false,
     "Aquest grup no té assignat un nivell, i cal que el mestre n'assigni un abans de començar; "
     "parleu-ne amb ell o amb ella i torneu-ho a provar més tard, si us plau.",
     "Mou_1", true},
    {"information, Enter", false, "Hola", "Return", true},
    {"information, Escape", false, "Hola", "Escape", true},
    {"question, Sí", true, "Eliminar definitivament els registres?", "Mou_1", true},
    {"question, No", true, "?", "Mou_0", false},
    {"question, close box", true, "?", "close", false},
    {"question, Escape", true, "?", "Escape", false},
    {"question, Enter on the default button", true, "?", "Return", false},
    {"question, Tab to Sí and Space", true, "?", "Tab", true},
};

} // namespace

class TestMissatges : public QObject {
    Q_OBJECT
private slots:
    void caixa_data() { files(kCasos); }
    void caixa() {
        const Cas& r = fila(kCasos);
        QStringList vist;
        WhenModal when([&](QDialog* box) {
            auto* text = box->findChild<QLabel*>("Text");
            auto* mou1 = box->findChild<QPushButton*>("Mou_1");
            vist << box->windowTitle() << box->focusWidget()->objectName() << text->text();
            for (const char* nom : {"Icona_0", "Icona_1", "Mou_0", "Mou_1"})
                if (box->findChild<QWidget*>(nom)->isVisible())
                    vist << nom;
            for (const char* nom : {"Mou_0", "Mou_1"})
                if (auto* b = box->findChild<QPushButton*>(nom); b->isVisible())
                    vist << b->text() + "/" + b->accessibleName();
            // The whole text shows, and the buttons under it, inside the box.
            QVERIFY(box->isModal());
            QVERIFY(text->height() >= text->heightForWidth(text->width()));
            QVERIFY(text->geometry().right() < box->width());
            QVERIFY(mou1->y() >= text->geometry().bottom());
            QVERIFY(mou1->geometry().bottom() < box->height());
            const QString com = r.com;
            if (com.startsWith("Mou_"))
                box->findChild<QPushButton*>(com)->click();
            else if (com == "close")
                box->close();
            else if (com == "Tab") {
                QTest::keyClick(box->focusWidget(), Qt::Key_Tab);
                QTest::keyClick(box->focusWidget(), Qt::Key_Space);
            } else
                QTest::keyClick(box, com == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
        });
        bool resposta = true;
        if (r.pregunta)
            resposta = Missatges::Pregunta(QString::fromUtf8(r.text), 0);
        else
            Missatges::Informacio(QString::fromUtf8(r.text), 0);
        QVERIFY(when.ran() && !when.leftOpen());
        QCOMPARE(resposta, r.resposta);
        const QStringList esperat =
            r.pregunta ? QStringList{"Mou_0", r.text, "Icona_0", "Mou_0", "Mou_1", "No/No", "Sí/Sí"}
                       : QStringList{"Mou_1", r.text, "Icona_1", "Mou_1", "Acceptar/Acceptar"};
        QCOMPARE(vist, QStringList{"XIFRUM 5.0"} + esperat);
    }
};

QTEST_MAIN(TestMissatges)
#include "tst_Missatges.moc"
