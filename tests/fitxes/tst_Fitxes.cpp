#include "fitxes/DisposicioFitxa.h"
#include "fitxes/GeneradorFitxa.h"
#include "levels/NivellsPerDefecte.h"
#include "numeration/XifresRomanes.h"
#include "tests/support/Taula.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <array>

namespace {

using A = TipusActivitat;

struct Cas {
    const char* nom;
    A activitat;
    std::array<int, 3> nivells; // of the default level set, 0 for none
    bool ambResta = false;
};

const Cas kCasos[] = {
    {"cardinals", A::Cardinals, {1, 10}}, {"ordinals", A::Ordinals, {1, 10}},
    {"romans", A::Romans, {1, 10}},       {"ordenacio", A::Ordenacio, {1, 10}},
    {"sumar", A::Sumar, {1, 6, 10}},      {"restar", A::Restar, {1, 4, 10}},
    {"taules", A::Taules, {1, 10}},       {"multiplicar", A::Multiplicar, {1, 3, 10}},
    {"dividir", A::Dividir, {1, 3, 10}},  {"dividir amb resta", A::Dividir, {1, 5, 10}, true},
};

QList<DadesNivell> nivells(const Cas& c) {
    QList<DadesNivell> d;
    for (const int n : c.nivells)
        if (n > 0)
            d.append(NivellsPerDefecte::nivell(numero(c.activitat), n));
    return d;
}

QList<ExerciciFitxa> genera(const Cas& c, const DadesNivell& d, int n, uint32_t llavor) {
    GeneradorFitxa::Peticio p;
    p.activitat = c.activitat;
    p.nivell = d;
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

QList<qint64> valors(const QStringList& textos, bool ordena = false) {
    QList<qint64> n;
    for (const QString& t : textos)
        n << valor(t);
    if (ordena)
        std::sort(n.begin(), n.end());
    return n;
}

// Every exercise drawn within the level and its answer right.
void comprova(const ExerciciFitxa& e, const DadesNivell& d) {
    const int p1 = d.Parametre1, p2 = d.Parametre2;
    const qint64 a = e.nombres.value(0).toLongLong(), b = e.nombres.value(1).toLongLong();
    const bool columnes = e.activitat == A::Sumar || e.activitat == A::Restar;
    if (columnes || e.activitat == A::Multiplicar || e.activitat == A::Dividir) {
        QCOMPARE(e.nombres.value(0).size(), p1);
        QCOMPARE(e.nombres.value(1).size(), columnes ? p1 : p2);
    }
    switch (e.activitat) {
    case A::Cardinals:
    case A::Ordinals:
        QVERIFY(!e.pregunta.isEmpty());
        dinsRang(valor(e.solucio), p1, p2);
        break;
    case A::Romans: {
        const qint64 n = valor(e.romaDemanat ? e.pregunta : e.solucio);
        dinsRang(n, p1, p2);
        QCOMPARE(e.romaDemanat ? e.solucio : e.pregunta, XifresRomanes::numeral(n));
        break;
    }
    case A::Ordenacio:
        QCOMPARE(e.nombres.size(), 6);
        for (const QString& n : e.nombres)
            dinsRang(valor(n), p1, p2);
        QCOMPARE(valors(e.solucio.split(QStringLiteral("  "))), valors(e.nombres, true));
        break;
    case A::Sumar:
    case A::Restar:
        QCOMPARE(e.solucio.toLongLong(), e.activitat == A::Sumar ? a + b : a - b);
        for (int i = 0; i < p1 && p2 != 1; ++i) { // no carrying: each column on its own
            const int x = e.nombres[0][i].digitValue(), y = e.nombres[1][i].digitValue();
            QVERIFY(e.activitat == A::Sumar ? x + y <= 9 : x >= y);
        }
        break;
    case A::Taules: {
        const QStringList f = e.pregunta.split(QStringLiteral(" × "));
        dinsRang(f.value(0).toInt(), 0, 9);
        dinsRang(f.value(1).toInt(), p1, p2);
        QCOMPARE(e.solucio.toInt(), f.value(0).toInt() * f.value(1).toInt());
        break;
    }
    case A::Multiplicar: {
        QCOMPARE(e.solucio.toLongLong(), a * b);
        qint64 suma = 0; // of the partial rows, when there are several
        for (int i = 0; i < e.files.size() - (e.files.size() > 1 ? 1 : 0); ++i)
            suma += valorFila(e.files.at(i));
        QCOMPARE(suma, a * b);
        QCOMPARE(e.files.last().trimmed(), e.solucio);
        break;
    }
    case A::Dividir:
        QCOMPARE(e.solucio.toLongLong(), a / b);
        QCOMPARE(e.files.last().trimmed().toLongLong(), a % b);
        break;
    case A::Portada:
        QFAIL("no activity");
    }
}

// Rules have no height or no width, which QRectF::contains refuses; united they still widen.
bool dinsArea(const QRectF& r) {
    const QRectF a = kAreaFitxa.adjusted(-1e-3, -1e-3, 1e-3, 1e-3); // rounding
    return a.united(r) == a;
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
    QRectF r;
    for (const ElementFitxa& e : elements)
        r = r.united(e.caixa.normalized());
    return r;
}

} // namespace

class TstFitxes : public QObject {
    Q_OBJECT
private slots:
    void fitxa_data() { files(kCasos); }
    void fitxa() {
        for (const DadesNivell& d : nivells(fila(kCasos)))
            fitxaDe(fila(kCasos), d);
    }

private:
    // A dozen exercises drawn right, the same again for the seed; then a full sheet and its key.
    void fitxaDe(const Cas& c, const DadesNivell& d) {
        const QList<ExerciciFitxa> mostra = genera(c, d, 12, 7);
        QCOMPARE(mostra.size(), 12);
        QCOMPARE(resum(genera(c, d, 12, 7)), resum(mostra));
        QVERIFY(resum(genera(c, d, 12, 8)) != resum(mostra));
        for (const ExerciciFitxa& e : mostra) {
            QCOMPARE(e.activitat, c.activitat);
            QCOMPARE(e.ambResta, c.ambResta);
            comprova(e, d);
            if (QTest::currentTestFailed())
                return;
        }
        const int maxim = DisposicioFitxa::maximExercicis(c.activitat, d, c.ambResta);
        const QList<ExerciciFitxa> x = genera(c, d, maxim, 3);
        DisposicioFitxa::Capcalera cap{"Anna",       "3r A",     "Activitat", "Nivell 1",
                                       "07/12/2026", "Llavor 3", "Solucions", "Pàgina"};
        const QList<PaginaFitxa> fitxa = DisposicioFitxa::fitxa(cap, x, d);
        const QList<PaginaFitxa> clau = DisposicioFitxa::solucions(cap, x);
        QVERIFY(maxim >= 4 && fitxa.size() <= 2 && clau.size() <= 2);
        int i = 0;
        for (const PaginaFitxa& p : fitxa + clau) {
            for (const ElementFitxa& e : p.elements)
                QVERIFY2(dinsArea(e.caixa.normalized()), qPrintable(e.text));
            for (const QString& t : {cap.alumne, cap.grup, cap.activitat, cap.nivell, cap.data,
                                     cap.llavor, cap.pagina})
                QVERIFY(std::any_of(p.elements.begin(), p.elements.end(),
                                    [&](const ElementFitxa& el) { return el.text.contains(t); }));
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
                // Room for the sign and every written row (carries and operands above).
                const qsizetype files = e.activitat == A::Dividir
                                            ? 1 + e.files.size()
                                            : 3 + qMax<qsizetype>(1, e.files.size());
                for (const ElementFitxa& el : b[j]) {
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
            for (const QList<ElementFitxa>& b : blocs(p)) {
                const QString& solucio = x.at(i++).solucio;
                QVERIFY(std::any_of(b.begin(), b.end(), [&](const ElementFitxa& el) {
                    return el.text.contains(solucio);
                }));
            }
        QCOMPARE(i, maxim);
    }
};

QTEST_GUILESS_MAIN(TstFitxes)
#include "tst_Fitxes.moc"
