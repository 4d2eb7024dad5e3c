#include "board/ui/Pissarra.h"
#include "classe/ui/fProgres.h"
#include "classe/ui/fResum.h"
#include "core/Activitat.h"
#include "core/ui/Missatges.h"
#include "fitxes/ui/fFitxes.h"
#include "frontpage/Contrasenya.h"
#include "frontpage/Pas.h"
#include "frontpage/fIdioma.h"
#include "history/ui/fHistoric.h"
#include "levels/ui/fConfig.h"
#include "records/ui/Assignar.h"
#include "records/ui/Edicio.h"
#include "records/ui/ImportacioLlista.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/RecordingSoundPlayer.h"
#include "tests/support/Registres.h"
#include "tests/support/Taula.h"
#include "tests/support/WhenModal.h"

#include <QAccessible>
#include <QRadioButton>
#include <QTimer>

// Every window as a screen reader and a keyboard see it: each control a pupil or teacher can act
// on has a name, and Tab reaches every control once before it comes back to the first. The front
// page's own tests walk its Tab order control by control and name its controls.

namespace {

using namespace Registres;

struct Carpeta : CarpetaProva {
    Carpeta() {
        escriu(grupsCfg(), grup("111111111", 1, 10, "Proves"));
        escriu(niv("Proves"), joc({{5, 1, nivell(60, 2, 3, 1, 0)}}));
        escriu(dat("Dofins"), alumne(5, "ANNA") + alumne(7, "JAN"));
        escriu(hst("ANNA"), "05/12/01\t10:00\tSuperat\r\n");
        s.registre = {5, "ANNA", {1, 1, 1, 1, 1, 1, 1, 1, 1}, ""};
    }
    Sessio s = sessio(1);
    RecordingSoundPlayer so;
    QList<QStringList> files;
};

const QList<QAccessible::Role> kControls = {
    QAccessible::Button,   QAccessible::CheckBox,     QAccessible::RadioButton,
    QAccessible::ComboBox, QAccessible::EditableText, QAccessible::SpinBox,
    QAccessible::List,     QAccessible::Table,        QAccessible::PageTab};

// Tab stops at the checked button of a radio group only; the arrows move within it.
bool enfocable(QWidget* w) {
    auto* radio = qobject_cast<QRadioButton*>(w);
    return (!radio || radio->isChecked()) && w->isVisible() && w->isEnabled() &&
           (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// Sends Tab from the first focusable control until the focus comes back to it; returns every
// control reached twice before that, or never reached.
QStringList recorreTab(QWidget* finestra) {
    QList<QWidget*> falten;
    for (QWidget* w : finestra->findChildren<QWidget*>())
        if (enfocable(w) && w->window() == finestra)
            falten << w;
    if (falten.isEmpty())
        return {};
    finestra->activateWindow();
    if (!QTest::qWaitForWindowActive(finestra))
        return {"not active"};
    falten.first()->setFocus(Qt::TabFocusReason);
    QWidget* primer = QApplication::focusWidget();
    QStringList errors;
    QList<QWidget*> vists;
    const qsizetype total = falten.size();
    for (QWidget* w = primer; w && vists.size() <= total; w = QApplication::focusWidget()) {
        if (vists.contains(w)) {
            if (w != primer)
                errors << "twice: " + w->objectName();
            break;
        }
        vists << w;
        falten.removeOne(w);
        // A text box that takes Tab as a character is left with Ctrl+Tab.
        const QVariant canvia = w->property("tabChangesFocus");
        const bool pren = canvia.isValid() && !canvia.toBool() && !w->property("readOnly").toBool();
        QTest::keyClick(w, Qt::Key_Tab, pren ? Qt::ControlModifier : Qt::NoModifier);
        if (QApplication::focusWidget() == w)
            errors << "keeps Tab: " + w->objectName();
    }
    for (QWidget* w : falten)
        errors << QString("missed: %1 %2").arg(w->metaObject()->className(), w->objectName());
    return errors;
}

// The shown controls below `i` with no name.
QStringList senseNom(QAccessibleInterface* i) {
    QStringList n;
    if (i->state().invisible)
        return n;
    if (kControls.contains(i->role()) && i->text(QAccessible::Name).trimmed().isEmpty())
        n << QString("%1 %2").arg(i->object()->metaObject()->className(),
                                  i->object()->objectName());
    for (int k = 0; k < i->childCount(); ++k)
        if (QAccessibleInterface* fill = i->child(k))
            n << senseNom(fill);
    return n;
}

QStringList revisa(QWidget* w) {
    return senseNom(QAccessible::queryAccessibleInterface(w)) + recorreTab(w);
}

// Runs `obre`, which opens its window modally, and checks the window on its own loop.
QStringList modal(const std::function<void()>& obre) {
    QStringList errors;
    WhenModal w([&](QDialog* d) { errors = revisa(d); });
    obre();
    return w.ran() ? errors : QStringList("not opened");
}

template <class F> QStringList mostrada(F&& finestra) {
    finestra.show();
    if (!QTest::qWaitForWindowExposed(&finestra))
        return {"not shown"};
    return revisa(&finestra);
}

struct Finestra {
    const char* nom;
    std::function<QStringList(Carpeta&)> revisa;
};
const Finestra kFinestres[] = {
    {"password", [](Carpeta& c) { return modal([&] { Pas::Demana(c.s); }); }},
    {"new password", [](Carpeta& c) { return mostrada(Contrasenya(c.s)); }},
    {"language", [](Carpeta& c) { return mostrada(fIdioma(c.s)); }},
    {"message", [](Carpeta&) { return modal([] { Missatges::Pregunta("?", 0); }); }},
    {"board",
     [](Carpeta& c) {
         Pissarra p(ObreSerie::deSessio(c.s, 5, 2, 11), EntornSerie{&c.so});
         p.findChild<QTimer*>("Timer1")->stop();
         return mostrada(p);
     }},
    {"level editor", [](Carpeta& c) { return mostrada(fConfig(c.s, c.so)); }},
    {"records editor",
     [](Carpeta& c) {
         return mostrada(Edicio(c.s, EdicioRegistres::Mode::Afegir, c.files, 0, &c.so));
     }},
    {"class list",
     [](Carpeta& c) {
         return mostrada(ImportacioLlista(c.s, ImportaLlista::planifica("Pau\r\n", {}, false)));
     }},
    {"assignment", [](Carpeta& c) { return mostrada(Assignar(c.s)); }},
    {"history", [](Carpeta& c) { return mostrada(fHistoric(c.s, QPixmap())); }},
    {"class overview",
     [](Carpeta& c) { return mostrada(fResum(c.s, [](QWidget*, const QString&) {})); }},
    {"progress", [](Carpeta& c) { return mostrada(fProgres(c.s, "ANNA")); }},
    {"worksheets", [](Carpeta& c) { return mostrada(fFitxes(c.s, TipusActivitat::Sumar)); }},
};

} // namespace

class TestAccessibilitat : public QObject {
    Q_OBJECT
private slots:
    void finestra_data() { files(kFinestres); }
    void finestra() {
        Carpeta c;
        const QStringList errors = fila(kFinestres).revisa(c);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join("; ")));
    }
};

QTEST_MAIN(TestAccessibilitat)
#include "tst_Accessibilitat.moc"
