#include "FitxerHistorial.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kNom = "Núria Puig";

QString ruta(const QTemporaryDir& dir) {
    return dir.filePath("Inf/Hst/" + kNom + ".rtf");
}

void escriu(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray llegeix(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestFitxerHistorial : public QObject {
    Q_OBJECT
private slots:
    void obre_data() {
        QTest::addColumn<bool>("existeix");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        // The history and its folder are created empty, as on a pupil's first visit.
        QTest::newRow("missing") << false << QByteArray() << QString();
        QTest::newRow("lines of the board")
            << true << QByteArray("05-12-01\tOrdenaci\xf3\tSuperat\t 3\r\n06-12-01\tSumar\r\n")
            << QString("05-12-01\tOrdenació\tSuperat\t 3\n06-12-01\tSumar\n");
        QTest::newRow("lone line ends") << true << QByteArray("a\nb\rc") << QString("a\nb\nc");
    }
    void obre() {
        QFETCH(bool, existeix);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTemporaryDir dir;
        if (existeix)
            escriu(ruta(dir), bytes);
        QCOMPARE(FitxerHistorial::obre(dir.path(), "  " + kNom + "  "), std::optional(text));
        QCOMPARE(llegeix(ruta(dir)), bytes);
    }

    // Whatever stands in the history's place is left alone, and the viewer gets nothing to show.
    void obreDeixaElQueNoPotLlegir() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(ruta(dir)));
        QCOMPARE(FitxerHistorial::obre(dir.path(), kNom), std::nullopt);
        QVERIFY(QFileInfo(ruta(dir)).isDir());
        QVERIFY(!FitxerHistorial::desa(dir.path(), kNom, "a\n"));
    }

    // Saving through the viewer is checked byte for byte by its own test; what a keyboard cannot
    // easily type is checked here.
    void desaOutsideTheCodePage() {
        QTemporaryDir dir;
        QVERIFY(FitxerHistorial::desa(dir.path(), kNom, "Ordenació ĉ €"));
        QCOMPARE(llegeix(ruta(dir)), QByteArray("Ordenaci\xf3 ? \x80\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestFitxerHistorial)
#include "tst_FitxerHistorial.moc"
