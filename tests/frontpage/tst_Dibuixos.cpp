#include "AnimalsGrups.h"
#include "BotoArrodonit.h"
#include "EmojiPortada.h"
#include "ImatgesPortada.h"
#include "Lletra.h"
#include "LlistaImpresa.h"
#include "Marc.h"
#include "Sessio.h"
#include "Taula.h"
#include "TaulaEmoji.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

// What the front page draws: its pictures, buttons and frames, and the printed pupil list.

using LlistaImpresa::Element;
using LlistaImpresa::Pagina;

namespace {

// The box around the pixels of `img` that are not fully transparent, and how many they are.
QRect tinta(const QImage& img, int* pintats = nullptr) {
    QRect r;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) > 0) {
                r |= QRect(x, y, 1, 1);
                ++n;
            }
    if (pintats)
        *pintats = n;
    return r;
}

// A picture, not an empty square nor a filled one.
bool esDibuix(const QImage& img) {
    int n = 0;
    tinta(img, &n);
    return n > img.width() * img.height() / 8 && n < img.width() * img.height();
}

// The colour in the middle of the left edge inside the outline, and on the top edge.
QString colors(QWidget& w) {
    const QImage img = w.grab().toImage();
    return QColor(img.pixel(6, w.height() / 2)).name() + QColor(img.pixel(w.width() / 2, 0)).name();
}

// Widths without fonts: 2 mm per character at 8 points, in proportion at other sizes.
double perCaracter(const QString& text, double punts) {
    return text.size() * 2.0 * punts / 8.0;
}

FilaAlumne filaDe(int numero, const QString& nom, const QStringList& nivells) {
    return FilaAlumne{QString::number(numero), nom} + nivells +
           QStringList{QString::number(numero), ""};
}

// Arnau and Bet, or `alumnes` pupils; Romans and Multiplicar left out.
LlistaImpresa::Dades exemple(int alumnes = 0) {
    const QStringList activitats =
        QString("Cardinals Ordinals Romans Ordenació Sumar Restar Taules Multiplicar Dividir")
            .split(' ');
    LlistaImpresa::Dades d{"XIFRUM 5.0", "Dofins", "Normal",   "05/03/2024", "Pàgina",
                           "Núm",        "Nom",    activitats, "110111101",  {}};
    if (alumnes == 0)
        d.files << filaDe(1, "Arnau                              ",
                          {"2", "10", "3", "-", "1", "1", "1", "4", "1"})
                << filaDe(2, "Bet", {"-", "1", "1", "1", "7", "1", "1", "1", "9"});
    for (int i = 1; i <= alumnes; ++i)
        d.files << filaDe(i, "Alumne", QStringList(9, "1"));
    return d;
}

// The texts of the first page: the header ending at the rule's end, the headings 3 mm after one
// another, and the levels centred under them ("-" for a finished or left-out one).
struct Text {
    const char *nom, *text;
    int index;
    double x, y, punts;
};
const Text kTextos[] = {{"title", "XIFRUM 5.0 > Dofins (Normal)", 0, 12, 9, 10},
                        {"date and page", "05/03/2024. Pàgina 1", 1, 225, 9, 10},
                        {"number heading", "Núm", 3, 12, 16, 8},
                        {"name heading", "Nom", 4, 22, 16, 8},
                        {"Cardinals", "Cardinals", 5, 134, 16, 8},
                        {"Ordinals", "Ordinals", 6, 155, 16, 8},
                        {"Romans", "Romans", 7, 174, 16, 8},
                        {"Dividir", "Dividir", 13, 278, 16, 8},
                        {"Arnau trimmed", "Arnau", 15, 22, 21, 8},
                        {"level 2 under Cardinals", "2", 16, 142, 21, 8},
                        {"level 10 under Ordinals", "10", 17, 161, 21, 8},
                        {"Romans left out", "-", 18, 179, 21, 8},
                        {"Ordenació finished", "-", 19, 197, 21, 8},
                        {"Dividir", "1", 24, 284, 21, 8},
                        {"Bet, one line lower", "Bet", 27, 22, 26, 8},
                        {"Bet's Dividir", "9", 36, 284, 26, 8}};

// 200 mm: lines at 21, 26, ... 171 fit (plus 1 mm, at most 175), 31 per page; 100 mm: 11.
struct Salt {
    const char* nom;
    int alumnes, pagines, primerDeLaDarrera;
    double alcada;
};
const Salt kSalts[] = {{"one page full", 31, 1, 1, 200},
                       {"one line over", 32, 2, 32, 200},
                       {"three pages", 63, 3, 63, 200},
                       {"60 pupils, short paper", 60, 6, 56, 100},
                       {"nobody", -1, 1, 0, 200}};

} // namespace

class TestDibuixos : public QObject {
    Q_OBJECT
private slots:
    // Every animal and tool was drawn at build time, at every size.
    void imatgesDesades() {
        QList<const char*> noms;
        for (const auto& e : TaulaEmoji::kAnimals)
            noms << e.nom;
        for (const auto& e : TaulaEmoji::kEines)
            noms << e.nom;
        for (const char* nom : noms) {
            QVERIFY2(EmojiPortada::te(nom), nom);
            for (int mida : TaulaEmoji::kMides) {
                const QImage img = EmojiPortada::imatge(nom, mida);
                QCOMPARE(img.size(), QSize(mida, mida));
                QVERIFY2(esDibuix(img), nom);
            }
        }
        QVERIFY(!EmojiPortada::te("grup17"));
        QVERIFY(EmojiPortada::imatge("grup17", 64).isNull());
        QVERIFY(EmojiPortada::imatge("grup1", 0).isNull());
        // The stored size handed out is the smallest that covers the request, else the largest.
        for (auto [demanat, servit] :
             {std::pair{1, 32}, {32, 32}, {33, 48}, {54, 64}, {96, 96}, {108, 160}, {400, 160}})
            QCOMPARE(EmojiPortada::imatge("grup1", demanat).width(), servit);
    }

    // Each group its own animal, a letter badge outside 1..16; drawn at the device pixels.
    void grupsIEines() {
        const QImage dofi = AnimalsGrups::imatge(1, "Dofins", 54, 1.0).toImage();
        QCOMPARE(dofi.size(), QSize(54, 54));
        QVERIFY(esDibuix(dofi));
        QVERIFY(dofi != AnimalsGrups::imatge(2, "Lloros", 54, 1.0).toImage());
        QVERIFY(AnimalsGrups::ambEmoji(16) && !AnimalsGrups::ambEmoji(17));
        QVERIFY(!tinta(AnimalsGrups::imatge(17, "Zebres", 54, 1.0).toImage()).isEmpty());
        const QPixmap doble = AnimalsGrups::imatge(1, "Dofins", 54, 2.0);
        QCOMPARE(doble.size(), QSize(108, 108));
        QCOMPARE(doble.devicePixelRatio(), 2.0);
        for (int i = -1; i <= 8; ++i)
            QVERIFY(esDibuix(ImatgesPortada::eina(i, 32, 1.0).toImage()));
    }

    // Scaled text takes the room of the scaled size, and the scale is applied, not ignored.
    void textEscalat() {
        for (qreal escala : {1.0, 0.6, 2.0}) {
            const QSizeF mida = QFontMetricsF(Lletra::negreta()).size(0, "Rinoceronts") * escala;
            QImage img(400, 120, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            p.setFont(Lletra::negreta());
            const QRectF caixa(10, 10, mida.width() + 2, mida.height() + 2);
            Lletra::textEscalat(p, caixa, Qt::AlignCenter, "Rinoceronts", escala);
            p.end();
            const QRect t = tinta(img);
            QVERIFY(!t.isEmpty() && caixa.adjusted(-1, -1, 1, 1).contains(QRectF(t)));
            QVERIFY(t.width() > mida.width() * 0.8);
        }
    }

    // The buttons' look follows their state; the frames are filled, outlined and rounded.
    void botoIMarc() {
        BotoArrodonit boto({Qt::white, Qt::darkYellow, Qt::yellow, Qt::darkGreen, Qt::red,
                            Qt::lightGray, Qt::gray, 1, 3, 8});
        boto.resize(80, 40);
        QCOMPARE(colors(boto), QColor(Qt::white).name() + QColor(Qt::darkYellow).name());
        boto.setDown(true);
        QCOMPARE(colors(boto).left(7), QColor(Qt::darkGreen).name());
        boto.setDown(false);
        boto.setEnabled(false);
        QCOMPARE(colors(boto), QColor(Qt::lightGray).name() + QColor(Qt::gray).name());

        Marc marc({QColor(0xFF, 0xE0, 0x8A), QColor(0xE8, 0xA3, 0x3D), 2, 14});
        marc.resize(200, 80);
        const QImage img = marc.grab().toImage();
        QCOMPARE(QColor(img.pixel(100, 40)), QColor(0xFF, 0xE0, 0x8A));
        QCOMPARE(QColor(img.pixel(100, 0)), QColor(0xE8, 0xA3, 0x3D));
        const QColor cantonada(img.pixel(0, 0)); // what lies behind
        QVERIFY(cantonada != QColor(0xFF, 0xE0, 0x8A) && cantonada != QColor(0xE8, 0xA3, 0x3D));
    }

    void primeraPagina_data() { files(kTextos); }
    void primeraPagina() {
        const Text& r = fila(kTextos);
        const QList<Pagina> pagines = LlistaImpresa::pagines(exemple(), 200, perCaracter);
        QCOMPARE(pagines.size(), 1);
        const Element& e = pagines.first().at(r.index);
        QCOMPARE(e, (Element{Element::Text, r.text, r.x, r.y, 0, r.punts}));
    }

    // Under the header, then after each pupil's line.
    void ratlles() {
        const Pagina p = LlistaImpresa::pagines(exemple(), 200, perCaracter).first();
        QList<double> ys;
        for (const Element& e : p)
            if (e.tipus == Element::Linia && e.x == 21 && e.x2 == 275)
                ys << e.y;
        QCOMPARE(ys, (QList<double>{15, 25, 30}));
        QCOMPARE(p.size(), 14 + 2 * 12);
    }

    void salts_data() { files(kSalts); }
    void salts() {
        const Salt& r = fila(kSalts);
        LlistaImpresa::Dades d = exemple(qMax(r.alumnes, 0));
        if (r.alumnes < 0)
            d.files.clear();
        const QList<Pagina> llista = LlistaImpresa::pagines(d, r.alcada, perCaracter);
        QCOMPARE(llista.size(), r.pagines);
        double mesBaixa = 0;
        for (int i = 0; i < llista.size(); ++i) {
            QCOMPARE(llista.at(i).at(1).text, QString("05/03/2024. Pàgina %1").arg(i + 1));
            QCOMPARE(llista.at(i).at(5).text, QString("Cardinals"));
            for (const Element& e : llista.at(i))
                mesBaixa = qMax(mesBaixa, e.tipus == Element::Text ? e.y : 0);
        }
        QVERIFY(mesBaixa + 1 <= r.alcada - 25);
        if (r.primerDeLaDarrera == 0) {
            QCOMPARE(llista.last().size(), 14);
        } else {
            QCOMPARE(llista.last().at(14).text, QString::number(r.primerDeLaDarrera));
            QCOMPARE(llista.last().at(14).y, 21.0);
        }
    }

    void dadesDeLaSessio() {
        Sessio s;
        s.general.Idioma = 1;
        s.general.GrupActual = 13;
        s.grup.NomNivell = "  Tercer  ";
        s.grup.Activitats = "111100000";
        const LlistaImpresa::Dades d = LlistaImpresa::dades(s, {}, QDate(2024, 3, 5));
        QCOMPARE(QStringList({d.titol, d.grup, d.nivell, d.data, d.pagina, d.capNumero, d.capNom,
                              d.activitats.at(0), d.activitats.at(8)})
                     .join('|'),
                 QString("XIFRUM 5.0|Tiburones|Tercer|05/03/2024|Página|Núm|Nombre|Cardinales|"
                         "Dividir"));
        QCOMPARE(d.incloses, QByteArray("111100000"));
    }

    // Through the printer's own fonts and page: landscape A4, one PDF page per laid-out page.
    void pdf() {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("llista.pdf"));
        LlistaImpresa::preparaImpressora(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(qRound(printer.pageLayout().paintRect(QPageLayout::Millimeter).height()), 200);
        QVERIFY(LlistaImpresa::imprimeix(printer, exemple(60)));
        QFile f(dir.filePath("llista.pdf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString pdf = QString::fromLatin1(f.readAll());
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(int(pdf.count(QRegularExpression("/Type\\s*/Page(?!s)"))), 2);
    }
};

QTEST_MAIN(TestDibuixos)
#include "tst_Dibuixos.moc"
