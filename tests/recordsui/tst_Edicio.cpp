#include "Edicio.h"
#include "RecordingSoundPlayer.h"
#include "Sessio.h"
#include "UpDown.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int kGrup = 1; // "Dofins" in Catalan

// A 65-byte record laid out by hand: number, name (ASCII, padded to 35), nine levels, picture
// (padded to 20).
QByteArray rec(int numero, const QByteArray& nom, const QByteArray& nivells = "\1\1\1\1\1\1\1\1\1",
               const QByteArray& imatge = {}) {
    QByteArray b;
    b += char(numero);
    b += nom + QByteArray(35 - nom.size(), ' ');
    b += nivells;
    b += imatge + QByteArray(20 - imatge.size(), ' ');
    return b;
}

QByteArray llegeix(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void posa(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

template <typename T> T* control(QWidget* w, const QString& nom) {
    T* c = w->findChild<T*>(nom);
    if (!c)
        qFatal("no control %s", qPrintable(nom));
    return c;
}

void prem(QWidget* w, const QString& nom) {
    QTest::mouseClick(control<QPushButton>(w, nom), Qt::LeftButton);
}

// Steps the up-down `nom` by pressing its arrow `passos` times.
void puja(QWidget* w, const QString& nom, int passos) {
    auto* fletxa = control<QToolButton>(control<UpDown>(w, nom), passos > 0 ? "Amunt" : "Avall");
    for (int i = 0; i < std::abs(passos); ++i)
        QTest::mouseClick(fletxa, Qt::LeftButton);
}

// Answers the next question box with its button `boto` ("Mou_1" Sí, "Mou_0" No) and keeps its text.
class Resposta {
public:
    explicit Resposta(const QString& boto) {
        QTimer::singleShot(0, [this, boto] {
            QWidget* caixa = QApplication::activeModalWidget();
            if (!caixa)
                return;
            if (auto* t = caixa->findChild<QLabel*>("Text"))
                text = t->text();
            prem(caixa, boto);
        });
    }
    QString text;
};

class Carpeta {
public:
    Carpeta() {
        QDir(dir.path()).mkpath("Inf/Dat");
        QDir(dir.path()).mkpath("Inf/Hst");
        QDir(dir.path()).mkpath("Imatges");
        sessio.carpeta = dir.path();
        sessio.general.GrupActual = kGrup;
    }
    QString dat() const { return dir.filePath("Inf/Dat/Dofins.dat"); }
    std::unique_ptr<Edicio> obre(EdicioRegistres::Mode mode, int fila = 0) {
        auto w = std::make_unique<Edicio>(sessio, mode, files, fila, &so);
        w->show();
        return w;
    }

    QTemporaryDir dir;
    Sessio sessio;
    QList<QStringList> files;
    RecordingSoundPlayer so;
};

} // namespace

class TestEdicio : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Edicio::setTriaFitxer({}); }

    // Through the front page's entry point: a pupil typed in lower case, one level raised. The
    // window is looked at while open and checked once it has closed.
    void afegeixALlistaBuida() {
        Carpeta c;
        QStringList vist;
        QTimer::singleShot(0, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w)
                return;
            auto* nom = control<QLineEdit>(w, "Nom");
            QTest::keyClicks(nom, "anna");
            vist << w->windowTitle() << nom->text();
            puja(w, "UpAct_5", 2);
            prem(w, "Mou_1");
            vist << nom->text() << control<QLabel>(w, "Num")->text()
                 << control<QLabel>(w, "nValor_5")->text();
            prem(w, "Mou_0");
        });
        QVERIFY(Edicio::Obre(c.sessio, 0, c.files, -1, &c.so, nullptr));
        QCOMPARE(vist, QStringList({"Afegint registres...", "ANNA", "", "2", "3"}));
        QCOMPARE(llegeix(c.dat()), rec(1, "ANNA", "\1\1\1\1\3\1\1\1\1"));
        QCOMPARE(c.files.size(), 1);
        QCOMPARE(c.files[0][11], QString("1"));
    }

    // The name changes and the history file follows it; a level the group's count no longer
    // reaches and the level of an excluded activity stay as stored.
    void editaNom() {
        Carpeta c;
        c.sessio.grup.Activitats = "101111111";
        c.sessio.grup.Nivells[0] = 5;
        posa(c.dat(), rec(3, "PERE") + rec(1, "ANNA", "\x08\x07\1\1\1\1\1\1\1"));
        posa(c.dir.filePath("Inf/Hst/ANNA.rtf"), "line\r\n");
        auto w = c.obre(EdicioRegistres::Editar, 0);
        QCOMPARE(w->windowTitle(), QString("Editant registres..."));
        QVERIFY(!control<UpDown>(w.get(), "UpAct_2")->isEnabled());
        QVERIFY(control<UpDown>(w.get(), "UpAct_1")->isEnabled());
        QCOMPARE(control<QLabel>(w.get(), "nValor_1")->text(), QString("8"));
        QCOMPARE(control<UpDown>(w.get(), "UpAct_1")->maximum(), 5);
        auto* nom = control<QLineEdit>(w.get(), "Nom");
        QCOMPARE(nom->text(), QString("ANNA"));
        nom->end(false);
        QTest::keyClicks(nom, " m");
        prem(w.get(), "Mou_1");
        QCOMPARE(llegeix(c.dat()), rec(3, "PERE") + rec(1, "ANNA M", "\x08\x07\1\1\1\1\1\1\1"));
        QVERIFY(!QFile::exists(c.dir.filePath("Inf/Hst/ANNA.rtf")));
        QCOMPARE(llegeix(c.dir.filePath("Inf/Hst/ANNA M.rtf")), QByteArray("line\r\n"));
        QCOMPARE(c.files[0][1].trimmed(), QString("ANNA M"));
        QCOMPARE(c.files[0][11], QString("2"));
        prem(w.get(), "Mou_0");
        QVERIFY(w->edicio().desat());
    }

    void elimina_data() {
        QTest::addColumn<QByteArray>("abans");
        QTest::addColumn<int>("premudes");
        QTest::addColumn<QString>("resposta");
        QTest::addColumn<bool>("accioActiva");   // Mou_1 after the deletions
        QTest::addColumn<QByteArray>("despres"); // empty: the file is gone
        QTest::addColumn<int>("files");
        const QByteArray tres = rec(1, "ANNA") + rec(2, "PERE") + rec(3, "JAN");
        QTest::newRow("two deleted, No") << tres << 2 << "Mou_0" << true << tres << 3;
        QTest::newRow("the only pupil, Yes")
            << rec(1, "ANNA") << 1 << "Mou_1" << false << QByteArray() << 0;
    }
    void elimina() {
        QFETCH(QByteArray, abans);
        QFETCH(int, premudes);
        QFETCH(QString, resposta);
        QFETCH(bool, accioActiva);
        QFETCH(QByteArray, despres);
        QFETCH(int, files);
        Carpeta c;
        posa(c.dat(), abans);
        auto w = c.obre(EdicioRegistres::Eliminar, 0);
        QVERIFY(!control<UpDown>(w.get(), "upNum")->isEnabled());
        QVERIFY(!control<QPushButton>(w.get(), "Imatge")->isEnabled());
        for (int i = 0; i < premudes; ++i)
            prem(w.get(), "Mou_1");
        QCOMPARE(control<QPushButton>(w.get(), "Mou_1")->isEnabled(), accioActiva);
        QCOMPARE(llegeix(c.dat()), abans);
        Resposta r(resposta);
        prem(w.get(), "Mou_0");
        QCOMPARE(r.text, QString("Eliminar definitivament els registres?"));
        QVERIFY(!w->isVisible());
        QCOMPARE(QFile::exists(c.dat()), !despres.isEmpty());
        QCOMPARE(llegeix(c.dat()), despres);
        QCOMPARE(c.files.size(), files);
    }

    // `Anterior` at the first row and `Següent` at the last beep; otherwise they move.
    void mou_data() {
        QTest::addColumn<int>("fila");
        QTest::addColumn<QString>("boto");
        QTest::addColumn<QStringList>("sons");
        QTest::addColumn<QString>("nom");
        QTest::newRow("Anterior at the first") << 0 << "Mou_2" << QStringList{"24"} << "ANNA";
        QTest::newRow("Següent at the last") << 1 << "Mou_3" << QStringList{"24"} << "PERE";
        QTest::newRow("Següent") << 0 << "Mou_3" << QStringList{} << "PERE";
    }
    void mou() {
        QFETCH(int, fila);
        QFETCH(QString, boto);
        QFETCH(QStringList, sons);
        QFETCH(QString, nom);
        Carpeta c;
        posa(c.dat(), rec(2, "PERE") + rec(1, "ANNA"));
        auto w = c.obre(EdicioRegistres::Editar, fila);
        prem(w.get(), boto);
        QCOMPARE(c.so.played, sons);
        QCOMPARE(control<QLineEdit>(w.get(), "Nom")->text(), nom);
    }

    // A chosen picture is copied into Imatges/ under the name the record holds; a file no picture
    // can be read from changes nothing: the old picture stays shown and is the one stored.
    void imatge_data() {
        QTest::addColumn<QString>("fitxer");
        QTest::addColumn<QString>("contingut"); // "png", "png cut short" or "text"
        QTest::addColumn<QString>("desat");
        QTest::newRow("25 characters") << "abcdefghijklmnopqrstu.png"
                                       << "png"
                                       << "abcdefghijklmnopqrst";
        QTest::newRow("not a picture") << "trencada.png"
                                       << "text"
                                       << "anna.bmp";
        QTest::newRow("picture cut short") << "tallada.png"
                                           << "png cut short"
                                           << "anna.bmp";
    }
    void imatge() {
        QFETCH(QString, fitxer);
        QFETCH(QString, contingut);
        QFETCH(QString, desat);
        Carpeta c;
        posa(c.dat(), rec(1, "ANNA", "\1\1\1\1\1\1\1\1\1", "anna.bmp"));
        QImage anna(8, 8, QImage::Format_RGB32);
        anna.fill(Qt::red);
        QVERIFY(anna.save(c.dir.filePath("Imatges/anna.bmp")));
        QTemporaryDir fora;
        const QString cami = fora.filePath(fitxer);
        QImage img(16, 16, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QVERIFY(img.save(cami, "PNG"));
        if (contingut == "text")
            posa(cami, "not a picture");
        else if (contingut == "png cut short")
            posa(cami, llegeix(cami).left(40));
        QString titol, filtre;
        Edicio::setTriaFitxer([&](QWidget*, const QString& t, const QString& f) {
            titol = t;
            filtre = f;
            return cami;
        });
        auto w = c.obre(EdicioRegistres::Editar);
        auto* boto = control<QPushButton>(w.get(), "Imatge");
        const auto color = [boto] {
            return boto->icon().pixmap(QSize(16, 16)).toImage().pixelColor(8, 8);
        };
        QCOMPARE(color(), QColor(Qt::red));
        prem(w.get(), "Imatge");
        QCOMPARE(titol, QString("Imatge identificativa"));
        QCOMPARE(filtre, QString("Fitxers gràfics (*.bmp *.gif *.png *.jpg *.jpeg)"));
        const bool llegible = contingut == "png";
        QCOMPARE(color(), llegible ? QColor(Qt::blue) : QColor(Qt::red));
        QCOMPARE(QDir(c.dir.filePath("Imatges")).entryList(QDir::Files),
                 llegible ? QStringList({"abcdefghijklmnopqrst", "anna.bmp"})
                          : QStringList{"anna.bmp"});
        if (llegible)
            QCOMPARE(llegeix(c.dir.filePath("Imatges/" + desat)), llegeix(cami));
        prem(w.get(), "Mou_1");
        QCOMPARE(llegeix(c.dat()), rec(1, "ANNA", "\1\1\1\1\1\1\1\1\1", desat.toLatin1()));
    }

    // What cannot be stored is said, and the list shows what the file holds. A name the record
    // took but the pupil's history could not follow is said as well.
    void refusals_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("nom"); // typed in place of the name
        QTest::addColumn<QString>("missatge");
        QTest::addColumn<QString>("llista"); // the list's pupils afterwards, as the file holds them
        const QString escriure = "No es pot crear la carpeta de dades del programa o no s'hi pot "
                                 "escriure.";
        QTest::newRow("adding without a name") << int(EdicioRegistres::Afegir) << "  "
                                               << QString("És imprescindible el nom!") << "ANNA";
        QTest::newRow("editing to a blank name") << int(EdicioRegistres::Editar) << " "
                                                 << QString("És imprescindible el nom!") << "ANNA";
        QTest::newRow("history cannot follow the name")
            << int(EdicioRegistres::Editar) << "EVA" << escriure << "EVA";
    }
    void refusals() {
        QFETCH(int, mode);
        QFETCH(QString, nom);
        QFETCH(QString, missatge);
        QFETCH(QString, llista);
        Carpeta c;
        posa(c.dat(), rec(1, "ANNA"));
        posa(c.dir.filePath("Inf/Hst/ANNA.rtf"), "line\r\n");
        // A link to nowhere where the new history goes: no rename can replace it.
        QVERIFY(QFile::link(c.dir.filePath("nowhere/EVA.rtf"), c.dir.filePath("Inf/Hst/EVA.rtf")));
        auto w = c.obre(EdicioRegistres::Mode(mode), 0);
        auto* camp = control<QLineEdit>(w.get(), "Nom");
        camp->clear();
        QTest::keyClicks(camp, nom);
        Resposta r("Mou_1");
        prem(w.get(), "Mou_1");
        QCOMPARE(r.text, missatge);
        QCOMPARE(llegeix(c.dat()), rec(1, llista.toLatin1()));
        QCOMPARE(c.files.size(), 1);
        QCOMPARE(c.files[0][1].trimmed(), llista);
        QCOMPARE(llegeix(c.dir.filePath("Inf/Hst/ANNA.rtf")), QByteArray("line\r\n"));
    }
};

QTEST_MAIN(TestEdicio)
#include "tst_Edicio.moc"
