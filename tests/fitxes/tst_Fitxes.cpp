#include "fitxes/DisposicioFitxa.h"
#include "fitxes/GeneradorFitxa.h"
#include "levels/NivellsPerDefecte.h"
#include "numeration/XifresRomanes.h"
#include "tests/support/Taula.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>

namespace {

using A = TipusActivitat;

struct Cas {
    const char* nom;
    A activitat;
    int nivell; // of the default level set
    bool ambResta = false;
};

const Cas kCasos[] = {
    {"cardinals 1", A::Cardinals, 1},
    {"cardinals 10", A::Cardinals, 10},
    {"ordinals 1", A::Ordinals, 1},
    {"ordinals 10", A::Ordinals, 10},
    {"romans 1", A::Romans, 1},
    {"romans 10", A::Romans, 10},
    {"ordenacio 1", A::Ordenacio, 1},
    {"ordenacio 10", A::Ordenacio, 10},
    {"sumar 1", A::Sumar, 1},
    {"sumar 5", A::Sumar, 5},
    {"sumar 10", A::Sumar, 10},
    {"restar 4", A::Restar, 4},
    {"restar 10", A::Restar, 10},
    {"taules 1", A::Taules, 1},
    {"taules 10", A::Taules, 10},
    {"multiplicar 1", A::Multiplicar, 1},
    {"multiplicar 10", A::Multiplicar, 10},
    {"dividir 1", A::Dividir, 1},
    {"dividir 5 resta", A::Dividir, 5, true},
    {"dividir 10", A::Dividir, 10},
    {"dividir 10 resta", A::Dividir, 10, true},
};

DadesNivell nivellDe(const Cas& c) {
    return NivellsPerDefecte::nivell(numero(c.activitat), c.nivell);
}

QList<ExerciciFitxa> genera(const Cas& c, int n, uint32_t llavor) {
    GeneradorFitxa::Peticio p;
    p.activitat = c.activitat;
    p.nivell = nivellDe(c);
    p.exercicis = n;
    p.llavor = llavor;
    p.ambResta = c.ambResta;
    return GeneradorFitxa::genera(p);
}

QString resum(const QList<ExerciciFitxa>& exercicis) {
    QStringList t;
    for (const ExerciciFitxa& e : exercicis)
        t << e.pregunta + e.nombres.join(u'|') + e.solucio + e.files.join(u'|');
    return t.join(u'/');
}

qint64 valor(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("[^0-9]"))).toLongLong();
}

// A written row of a long operation: blanks are empty squares, worth zeros on the right.
qint64 valorFila(QString fila) {
    while (fila.startsWith(u' '))
        fila.remove(0, 1);
    return fila.replace(u' ', u'0').toLongLong();
}

void dinsRang(qint64 n, qint64 minim, qint64 maxim) {
    QVERIFY2(n >= minim && n <= maxim, qPrintable(QStringLiteral("%1").arg(n)));
}

// Every exercise drawn within the level and its answer right.
void comprova(const ExerciciFitxa& e, const DadesNivell& d) {
    const int p1 = d.Parametre1, p2 = d.Parametre2;
    const qint64 a = e.nombres.value(0).toLongLong(), b = e.nombres.value(1).toLongLong();
    switch (e.activitat) {
    case A::Cardinals:
    case A::Ordinals:
        QVERIFY(!e.pregunta.isEmpty());
        dinsRang(valor(e.solucio), p1, p2);
        break;
    case A::Romans: {
        const QString numeral = e.romaDemanat ? e.solucio : e.pregunta;
        const qint64 n = valor(e.romaDemanat ? e.pregunta : e.solucio);
        dinsRang(n, p1, p2);
        QCOMPARE(numeral, XifresRomanes::numeral(n));
        break;
    }
    case A::Ordenacio: {
        QList<qint64> nombres;
        for (const QString& n : e.nombres) {
            nombres << valor(n);
            dinsRang(nombres.last(), p1, p2);
        }
        std::sort(nombres.begin(), nombres.end());
        QList<qint64> ordenats;
        for (const QString& n : e.solucio.split(QStringLiteral("  ")))
            ordenats << valor(n);
        QCOMPARE(ordenats, nombres);
        QCOMPARE(nombres.size(), 6);
        break;
    }
    case A::Sumar:
    case A::Restar: {
        QCOMPARE(e.nombres.value(0).size(), p1);
        QCOMPARE(e.nombres.value(1).size(), p1);
        const bool suma = e.activitat == A::Sumar;
        QCOMPARE(e.solucio.toLongLong(), suma ? a + b : a - b);
        for (int i = 0; i < p1 && p2 != 1; ++i) { // no carrying: each column on its own
            const int x = e.nombres[0][i].digitValue(), y = e.nombres[1][i].digitValue();
            QVERIFY(suma ? x + y <= 9 : x >= y);
        }
        break;
    }
    case A::Taules: {
        const QStringList f = e.pregunta.split(QStringLiteral(" × "));
        dinsRang(f.value(0).toInt(), 0, 9);
        dinsRang(f.value(1).toInt(), p1, p2);
        QCOMPARE(e.solucio.toInt(), f.value(0).toInt() * f.value(1).toInt());
        break;
    }
    case A::Multiplicar: {
        QCOMPARE(e.nombres.value(0).size(), p1);
        QCOMPARE(e.nombres.value(1).size(), p2);
        QCOMPARE(e.solucio.toLongLong(), a * b);
        qint64 suma = 0;
        for (int i = 0; i < e.files.size() - (e.files.size() > 1 ? 1 : 0); ++i)
            suma += valorFila(e.files.at(i));
        QCOMPARE(suma, a * b);
        QCOMPARE(e.files.last().trimmed(), e.solucio);
        break;
    }
    case A::Dividir:
        QCOMPARE(e.nombres.value(0).size(), p1);
        QCOMPARE(e.nombres.value(1).size(), p2);
        QCOMPARE(e.solucio.toLongLong(), a / b);
        QCOMPARE(e.files.last().trimmed().toLongLong(), a % b);
        break;
    case A::Portada:
        QFAIL("no activity");
    }
}

QRectF abast(const ElementFitxa& e) {
    return e.caixa.normalized();
}

// A rule has no height, which QRectF::contains refuses; a thousandth of a millimetre is rounding.
bool dinsArea(const QRectF& r) {
    const QRectF a = kAreaFitxa.adjusted(-1e-3, -1e-3, 1e-3, 1e-3);
    return r.left() >= a.left() && r.right() <= a.right() && r.top() >= a.top() &&
           r.bottom() <= a.bottom();
}

// The elements of each numbered exercise on a page: those after its number up to the next one.
QList<QList<ElementFitxa>> blocs(const PaginaFitxa& pagina) {
    static const QRegularExpression numero(QStringLiteral("^\\d+\\.$"));
    QList<QList<ElementFitxa>> b;
    for (const ElementFitxa& e : pagina.elements) {
        if (e.tipus == ElementFitxa::Tipus::Text && numero.match(e.text).hasMatch())
            b.append(QList<ElementFitxa>());
        if (!b.isEmpty())
            b.last().append(e);
    }
    return b;
}

QRectF unio(const QList<ElementFitxa>& elements) {
    QRectF r = abast(elements.first());
    for (const ElementFitxa& e : elements) {
        const QRectF a = abast(e);
        r.setCoords(qMin(r.left(), a.left()), qMin(r.top(), a.top()), qMax(r.right(), a.right()),
                    qMax(r.bottom(), a.bottom()));
    }
    return r;
}

} // namespace

class TstFitxes : public QObject {
    Q_OBJECT
private slots:
    void exercicis_data() { files(kCasos); }
    void exercicis() {
        const Cas& c = fila(kCasos);
        const QList<ExerciciFitxa> x = genera(c, 12, 7);
        QCOMPARE(x.size(), 12);
        QCOMPARE(resum(genera(c, 12, 7)), resum(x));
        QVERIFY(resum(genera(c, 12, 8)) != resum(x));
        for (const ExerciciFitxa& e : x) {
            QCOMPARE(e.activitat, c.activitat);
            QCOMPARE(e.ambResta, c.ambResta);
            comprova(e, nivellDe(c));
            if (QTest::currentTestFailed())
                return;
        }
    }

    void pagines_data() { files(kCasos); }
    void pagines() {
        const Cas& c = fila(kCasos);
        const int maxim = DisposicioFitxa::maximExercicis(c.activitat, nivellDe(c), c.ambResta);
        const QList<ExerciciFitxa> x = genera(c, maxim, 3);
        DisposicioFitxa::Capcalera cap{"Anna",       "3r A",     "Activitat", "Nivell 1",
                                       "07/12/2026", "Llavor 3", "Solucions", "Pàgina"};
        const QList<PaginaFitxa> fitxa = DisposicioFitxa::fitxa(cap, x, nivellDe(c));
        const QList<PaginaFitxa> clau = DisposicioFitxa::solucions(cap, x);
        QVERIFY(maxim >= 4);
        QVERIFY(fitxa.size() <= 2);
        QVERIFY(clau.size() <= 2);
        int i = 0;
        for (const PaginaFitxa& p : fitxa + clau) {
            for (const ElementFitxa& e : p.elements)
                QVERIFY2(dinsArea(abast(e)), qPrintable(e.text));
            QVERIFY(p.elements.first().text == cap.alumne);
        }
        for (const PaginaFitxa& p : fitxa) {
            const QList<QList<ElementFitxa>> b = blocs(p);
            for (int j = 0; j < b.size(); ++j) {
                const ExerciciFitxa& e = x.at(i++);
                for (int k = j + 1; k < b.size(); ++k)
                    QVERIFY(!unio(b[j]).intersects(unio(b[k])));
                int llarg = 0; // the widest row an answer writes
                for (const QString& t : e.nombres + e.files + e.solucio.split(QStringLiteral("  ")))
                    llarg = qMax(llarg, int(t.size()));
                for (const ElementFitxa& el : b[j]) {
                    // Room for the sign and every written row (carries and operands above).
                    const qsizetype files = e.activitat == A::Dividir
                                                ? 1 + e.files.size()
                                                : 3 + qMax<qsizetype>(1, e.files.size());
                    if (el.tipus == ElementFitxa::Tipus::Quadricula)
                        QVERIFY(el.caixa.width() >= (llarg + 1) * el.cella &&
                                el.caixa.height() >= files * el.cella);
                    if (el.tipus == ElementFitxa::Tipus::Caixa)
                        QVERIFY(el.caixa.height() >= 8 && el.caixa.width() >= 6 * llarg);
                }
            }
        }
        QCOMPARE(i, maxim);
        i = 0;
        for (const PaginaFitxa& p : clau)
            for (const QList<ElementFitxa>& b : blocs(p))
                QVERIFY(std::any_of(b.begin(), b.end(),
                                    [&](const ElementFitxa& el) {
                                        return el.text.contains(x.at(i).solucio);
                                    }) &&
                        ++i);
        QCOMPARE(i, maxim);
    }
};

QTEST_GUILESS_MAIN(TstFitxes)
#include "tst_Fitxes.moc"
