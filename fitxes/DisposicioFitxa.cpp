#include "fitxes/DisposicioFitxa.h"

#include "numeration/XifresRomanes.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>

namespace DisposicioFitxa {

namespace {

using Elements = QList<ElementFitxa>;

constexpr int kEsquerra = int(Qt::AlignLeft | Qt::AlignVCenter);
constexpr int kDreta = int(Qt::AlignRight | Qt::AlignVCenter);
constexpr int kCentre = int(Qt::AlignCenter);

constexpr double kQuadre = 5; // the squares of every grid
constexpr double kEspai = 4;  // between two exercises
constexpr double kNumero = 9; // the exercise's number, left of it
constexpr double kXifra = 6;  // a digit as a child writes it
constexpr double kAltCaixa = 10;
constexpr double kLletra12 = 2.7; // a capital letter at 12 points, generously
constexpr double kXifra10 = 2.4;  // a digit at 10 points, generously
constexpr double kFilaClau = 4.6; // a row of the answer key

// Below the header and above the footer.
constexpr double kDaltContingut = 34;
constexpr double kBaixContingut = 276;

// A figure space is as wide as a digit: rows of digits padded with it keep their columns.
constexpr QChar kBlancXifra = QChar(0x2007);

struct Mida {
    double amplada = 0;
    double alcada = 0;
    double primeraFila = kAltCaixa; // the exercise's number stands level with it
};

ElementFitxa text(const QRectF& caixa, const QString& t, double punts, int alineacio = kEsquerra,
                  bool negreta = false) {
    ElementFitxa e;
    e.tipus = ElementFitxa::Tipus::Text;
    e.caixa = caixa;
    e.text = t;
    e.punts = punts;
    e.alineacio = alineacio;
    e.negreta = negreta;
    return e;
}

ElementFitxa caixa(const QRectF& r) {
    ElementFitxa e;
    e.tipus = ElementFitxa::Tipus::Caixa;
    e.caixa = r;
    return e;
}

ElementFitxa linia(double x1, double y1, double x2, double y2) {
    ElementFitxa e;
    e.tipus = ElementFitxa::Tipus::Linia;
    e.caixa = QRectF(QPointF(x1, y1), QPointF(x2, y2));
    return e;
}

ElementFitxa quadricula(double x, double y, int columnes, int files) {
    ElementFitxa e;
    e.tipus = ElementFitxa::Tipus::Quadricula;
    e.caixa = QRectF(x, y, columnes * kQuadre, files * kQuadre);
    e.cella = kQuadre;
    return e;
}

// One digit in the square of column `c`, row `f` of a grid at (x, y).
ElementFitxa xifra(double x, double y, int c, int f, QChar d) {
    return text(QRectF(x + c * kQuadre, y + f * kQuadre, kQuadre, kQuadre), QString(d), 12,
                kCentre);
}

int xifres(qint64 n) {
    return int(QString::number(qAbs(n)).size());
}

// Digits and the separators that may group them.
int caracters(qint64 n) {
    const int d = xifres(n);
    return d + (d - 1) / 3;
}

double ampladaResposta(int caracters) {
    return caracters * kXifra + 4;
}

// The phrase of a number in words, cut at blanks into lines of at most `maxim` characters.
QStringList parteix(const QString& frase, int maxim) {
    QStringList linies;
    QString actual;
    for (const QString& paraula : frase.split(u' ', Qt::SkipEmptyParts)) {
        if (!actual.isEmpty() && actual.size() + 1 + paraula.size() > maxim) {
            linies.append(actual);
            actual.clear();
        }
        actual += (actual.isEmpty() ? QString() : QStringLiteral(" ")) + paraula;
    }
    if (!actual.isEmpty() || linies.isEmpty())
        linies.append(actual);
    return linies;
}

// What the level lets each activity draw, held to the editor's ranges as the board holds it.
struct Parametres {
    TipusActivitat activitat;
    int p1;
    int p2;
    bool ambResta;
};

Parametres parametres(TipusActivitat activitat, const DadesNivell& nivell, bool ambResta) {
    const DadesNivell d = ajustaAlsRangs(numero(activitat), nivell);
    return {activitat, d.Parametre1, d.Parametre2, ambResta};
}

// Cardinals and ordinals: short phrases go in two columns, long ones across the page.
bool dosColumnesFrase(const Parametres& p) {
    return p.activitat == TipusActivitat::Ordinals || p.p2 < 1000;
}

int caractersPerLinia(const Parametres& p) {
    const double amplada =
        dosColumnesFrase(p) ? (kAreaFitxa.width() - kEspai) / 2 : kAreaFitxa.width();
    return int((amplada - kNumero) / kLletra12);
}

// Lines the longest phrase of the level may take: about fourteen letters per digit in any of the
// languages, and a word's worth lost at each cut.
int liniesFrase(const Parametres& p) {
    const int lletres = 14 * xifres(p.p2);
    const int perLinia = qMax(10, caractersPerLinia(p) - 10);
    return qMax(1, (lletres + perLinia - 1) / perLinia);
}

int llargadaRomans(const Parametres& p) {
    int maxim = caracters(p.p2);
    for (int n = qMax(1, p.p1); n <= qMin(p.p2, 3999); ++n)
        maxim = qMax(maxim, int(XifresRomanes::numeral(n).size()));
    return maxim;
}

// Ordering: the six numbers in a row (or two of three when long), the boxes below in rows.
struct Ordenacio {
    double ampladaNombre;
    int nombresPerFila;
    double ampladaCaixa;
    int caixesPerFila;
};

Ordenacio ordenacio(const Parametres& p) {
    const double util = kAreaFitxa.width() - kNumero;
    const int c = caracters(p.p2);
    Ordenacio o;
    o.ampladaNombre = qMax(16.0, c * kLletra12 + 4);
    o.nombresPerFila = qMax(1, int(util / o.ampladaNombre));
    o.ampladaCaixa = qMax(16.0, ampladaResposta(c));
    o.caixesPerFila = qMax(1, int((util + 3) / (o.ampladaCaixa + 3)));
    return o;
}

int filesDe(int elements, int perFila) {
    return (elements + perFila - 1) / perFila;
}

// Long division: the grid's columns and rows. Every quotient digit may take a row (two with the
// subtractions written); the divisor and the quotient stand right of the dividend.
struct Divisio {
    int dividend;
    int divisor;
    int quocient;
    int files;
};

Divisio divisio(const Parametres& p) {
    const int q = p.p1 - p.p2 + 1;
    return {p.p1, p.p2, q, p.ambResta ? 2 * q : q};
}

// Columns: the minus sign, the dividend, a gap, the divisor or quotient, a spare one.
int columnesDivisio(const Divisio& d) {
    return 1 + d.dividend + 1 + qMax(d.divisor, d.quocient) + 1;
}

Mida mida(const Parametres& p) {
    const double tota = kAreaFitxa.width();
    const double meitat = (tota - kEspai) / 2;
    switch (p.activitat) {
    case TipusActivitat::Cardinals:
    case TipusActivitat::Ordinals:
        return {dosColumnesFrase(p) ? meitat : tota, liniesFrase(p) * 5.5 + 14, 5.5};
    case TipusActivitat::Romans: {
        const int c = llargadaRomans(p);
        return {kNumero + c * 3.4 + 8 + qMax(20.0, ampladaResposta(c)), kAltCaixa + 2};
    }
    case TipusActivitat::Ordenacio: {
        const Ordenacio o = ordenacio(p);
        return {tota,
                filesDe(6, o.nombresPerFila) * 7.0 + 3 +
                    filesDe(6, o.caixesPerFila) * (kAltCaixa + 3),
                7};
    }
    case TipusActivitat::Sumar:
    case TipusActivitat::Restar:
        return {kNumero + (p.p1 + 3) * kQuadre, 5 * kQuadre, kQuadre};
    case TipusActivitat::Taules:
        return {kNumero + 24 + 6 + ampladaResposta(2), kAltCaixa + 2};
    case TipusActivitat::Multiplicar: {
        const int files = 3 + (p.p2 >= 2 ? p.p2 : 0) + 2;
        return {kNumero + (p.p1 + p.p2 + 2) * kQuadre, files * kQuadre, kQuadre};
    }
    case TipusActivitat::Dividir: {
        const Divisio d = divisio(p);
        return {kNumero + columnesDivisio(d) * kQuadre, (d.files + 2) * kQuadre, kQuadre};
    }
    case TipusActivitat::Portada:
        break;
    }
    return {tota, 10};
}

struct Graella {
    int columnes;
    int files;
    double amplada; // of each block, spread over the width
    int perPagina() const { return columnes * files; }
};

Graella graella(const Mida& m) {
    const double alt = kBaixContingut - kDaltContingut;
    Graella g;
    g.columnes = qMax(1, int((kAreaFitxa.width() + kEspai) / (m.amplada + kEspai)));
    g.files = qMax(1, int((alt + kEspai) / (m.alcada + kEspai)));
    g.amplada = (kAreaFitxa.width() - (g.columnes - 1) * kEspai) / g.columnes;
    return g;
}

void capcalera(Elements& el, const Capcalera& c, const QString& titol) {
    const double x = kAreaFitxa.left();
    const double w = kAreaFitxa.width();
    const double y = kAreaFitxa.top();
    el.append(text(QRectF(x, y, w * 0.65, 8), c.alumne, 14, kEsquerra, true));
    el.append(text(QRectF(x + w * 0.65, y, w * 0.35, 8), c.data, 11, kDreta));
    el.append(text(QRectF(x, y + 9, w * 0.65, 7), titol, 12));
    el.append(text(QRectF(x + w * 0.65, y + 9, w * 0.35, 7), c.grup, 11, kDreta));
    el.append(linia(x, y + 18, x + w, y + 18));
}

void peu(Elements& el, const Capcalera& c, int pagina, int pagines) {
    const double x = kAreaFitxa.left();
    const double w = kAreaFitxa.width();
    const double y = kAreaFitxa.bottom() - 6;
    el.append(text(QRectF(x, y, w / 2, 6), c.llavor, 8));
    el.append(text(QRectF(x + w / 2, y, w / 2, 6),
                   QStringLiteral("%1 %2/%3").arg(c.pagina).arg(pagina).arg(pagines), 8, kDreta));
}

using Dibuix = std::function<void(Elements&, int index, const QRectF& bloc)>;

// Blocks of one size, numbered, left to right and top to bottom, page after page.
QList<PaginaFitxa> distribueix(const Capcalera& c, const QString& titol, const Mida& m, int n,
                               const Dibuix& dibuixa) {
    const Graella g = graella(m);
    const int pagines = qMax(1, filesDe(n, g.perPagina()));
    QList<PaginaFitxa> resultat(pagines);
    for (int p = 0; p < pagines; ++p) {
        Elements& el = resultat[p].elements;
        capcalera(el, c, titol);
        peu(el, c, p + 1, pagines);
        for (int k = 0; k < g.perPagina(); ++k) {
            const int i = p * g.perPagina() + k;
            if (i >= n)
                break;
            const double x = kAreaFitxa.left() + (k % g.columnes) * (g.amplada + kEspai);
            const double y = kDaltContingut + (k / g.columnes) * (m.alcada + kEspai);
            el.append(text(QRectF(x, y, kNumero, m.primeraFila), QStringLiteral("%1.").arg(i + 1),
                           11, kEsquerra, true));
            dibuixa(el, i, QRectF(x + kNumero, y, g.amplada - kNumero, m.alcada));
        }
    }
    return resultat;
}

QString titolFitxa(const Capcalera& c) {
    return c.nivell.isEmpty() ? c.activitat : c.activitat + QStringLiteral(" · ") + c.nivell;
}

// --- The sheet, one exercise at a time -----------------------------------------------------

void frase(Elements& el, const ExerciciFitxa& e, const QRectF& b, int perLinia, int caractersResp) {
    const QStringList linies = parteix(e.pregunta, perLinia);
    double y = b.top();
    for (const QString& l : linies) {
        el.append(text(QRectF(b.left(), y, b.width(), 5.5), l, 12));
        y += 5.5;
    }
    const double w = qMin(b.width(), qMax(40.0, ampladaResposta(caractersResp)));
    el.append(linia(b.left(), b.bottom() - 2, b.left() + w, b.bottom() - 2));
}

void romans(Elements& el, const ExerciciFitxa& e, const QRectF& b, int llargada) {
    const double wq = llargada * 3.4;
    el.append(text(QRectF(b.left(), b.top(), wq, kAltCaixa), e.pregunta, 12, kDreta, true));
    el.append(text(QRectF(b.left() + wq, b.top(), 8, kAltCaixa), QStringLiteral("="), 12, kCentre));
    el.append(caixa(
        QRectF(b.left() + wq + 8, b.top(), qMax(20.0, ampladaResposta(llargada)), kAltCaixa)));
}

void ordena(Elements& el, const ExerciciFitxa& e, const QRectF& b, const Ordenacio& o) {
    for (int i = 0; i < e.nombres.size(); ++i) {
        const double x = b.left() + (i % o.nombresPerFila) * o.ampladaNombre;
        const double y = b.top() + (i / o.nombresPerFila) * 7.0;
        el.append(text(QRectF(x, y, o.ampladaNombre - 2, 7), e.nombres.at(i), 12, kCentre, true));
    }
    const double dalt = b.top() + filesDe(int(e.nombres.size()), o.nombresPerFila) * 7.0 + 3;
    for (int i = 0; i < e.nombres.size(); ++i) {
        const double x = b.left() + (i % o.caixesPerFila) * (o.ampladaCaixa + 3);
        const double y = dalt + (i / o.caixesPerFila) * (kAltCaixa + 3);
        el.append(caixa(QRectF(x, y, o.ampladaCaixa, kAltCaixa)));
    }
}

// Digits right-aligned so that the units stand in column `unitats`, on row `fila`.
void nombreAlaGraella(Elements& el, double x, double y, int unitats, int fila, const QString& n) {
    for (int i = 0; i < n.size(); ++i)
        el.append(xifra(x, y, unitats - int(n.size()) + 1 + i, fila, n.at(i)));
}

// Rows: carries, the two operands, the result, a spare one. Columns: the sign, a carry out of
// the number, the digits, a spare one.
void sumaResta(Elements& el, const ExerciciFitxa& e, const QRectF& b, int xifresOperand) {
    const int columnes = xifresOperand + 3;
    const double x = b.left();
    const double y = b.top();
    el.append(quadricula(x, y, columnes, 5));
    const int unitats = xifresOperand + 1;
    nombreAlaGraella(el, x, y, unitats, 1, e.nombres.value(0));
    nombreAlaGraella(el, x, y, unitats, 2, e.nombres.value(1));
    const QChar signe = e.activitat == TipusActivitat::Sumar ? u'+' : QChar(0x2212);
    el.append(xifra(x, y, 0, 2, signe));
    el.append(linia(x, y + 3 * kQuadre, x + (unitats + 1) * kQuadre, y + 3 * kQuadre));
}

// Rows: carries, the two operands, the partial products (from two multiplier digits), the
// product, a spare one.
void multiplica(Elements& el, const ExerciciFitxa& e, const QRectF& b, const Parametres& p) {
    const int columnes = p.p1 + p.p2 + 2;
    const int parcials = p.p2 >= 2 ? p.p2 : 0;
    const double x = b.left();
    const double y = b.top();
    el.append(quadricula(x, y, columnes, 3 + parcials + 2));
    const int unitats = columnes - 2;
    nombreAlaGraella(el, x, y, unitats, 1, e.nombres.value(0));
    nombreAlaGraella(el, x, y, unitats, 2, e.nombres.value(1));
    el.append(xifra(x, y, 0, 2, QChar(0x00D7)));
    const double dreta = x + (unitats + 1) * kQuadre;
    el.append(linia(x, y + 3 * kQuadre, dreta, y + 3 * kQuadre));
    if (parcials > 0) {
        const double suma = y + (3 + parcials) * kQuadre;
        el.append(linia(x, suma, dreta, suma));
        el.append(xifra(x, y, 0, 3 + parcials - 1, u'+'));
    }
}

// The dividend and the divisor on row 0, the divisor's bracket, and room below for every row.
void divideix(Elements& el, const ExerciciFitxa& e, const QRectF& b, const Parametres& p) {
    const Divisio d = divisio(p);
    const double x = b.left();
    const double y = b.top();
    el.append(quadricula(x, y, columnesDivisio(d), d.files + 2));
    const QString dividend = e.nombres.value(0);
    const QString divisor = e.nombres.value(1);
    for (int i = 0; i < dividend.size(); ++i)
        el.append(xifra(x, y, 1 + i, 0, dividend.at(i)));
    const int columnaDivisor = 1 + d.dividend + 1;
    for (int i = 0; i < divisor.size(); ++i)
        el.append(xifra(x, y, columnaDivisor + i, 0, divisor.at(i)));
    const double xs = x + columnaDivisor * kQuadre;
    el.append(linia(xs, y, xs, y + 2 * kQuadre));
    el.append(linia(xs, y + kQuadre, xs + qMax(d.divisor, d.quocient) * kQuadre, y + kQuadre));
}

// --- The answer key ---------------------------------------------------------------------------

QString ambBlancsXifra(QString fila) {
    fila.replace(u' ', kBlancXifra);
    return fila;
}

// A row of a division one column to the right, to leave room for the minus sign of a product.
QString filaClauDivisio(const QString& fila, bool producte) {
    QString t = QString(kBlancXifra) + ambBlancsXifra(fila);
    if (producte) {
        qsizetype blancs = 0;
        while (blancs < fila.size() && fila.at(blancs) == u' ')
            ++blancs;
        t[blancs] = QChar(0x2212); // the column just left of the first digit
    }
    return t;
}

int columnesClau(const ExerciciFitxa& e) {
    int maxim = 0;
    for (const QString& n : e.nombres)
        maxim = qMax(maxim, int(n.size()));
    for (const QString& f : e.files)
        maxim = qMax(maxim, int(f.size()));
    return qMax(maxim, int(e.solucio.size()));
}

QString textClau(const ExerciciFitxa& e) {
    switch (e.activitat) {
    case TipusActivitat::Romans:
    case TipusActivitat::Taules:
        return e.pregunta + QStringLiteral(" = ") + e.solucio;
    case TipusActivitat::Sumar:
    case TipusActivitat::Restar:
        return QStringLiteral("%1 %2 %3 = %4")
            .arg(e.nombres.value(0),
                 e.activitat == TipusActivitat::Sumar ? QStringLiteral("+")
                                                      : QString(QChar(0x2212)),
                 e.nombres.value(1), e.solucio);
    default:
        return e.solucio;
    }
}

Mida midaClau(const ExerciciFitxa& e) {
    if (e.activitat == TipusActivitat::Multiplicar)
        return {(columnesClau(e) + 1) * kXifra10, (3 + e.files.size()) * kFilaClau};
    if (e.activitat == TipusActivitat::Dividir)
        return {(columnesClau(e) + 2 + qMax(e.nombres.value(1).size(), e.solucio.size())) *
                        kXifra10 +
                    1,
                (1 + e.files.size()) * kFilaClau};
    return {textClau(e).size() * kXifra10, kFilaClau};
}

void clauMultiplicacio(Elements& el, const ExerciciFitxa& e, const QRectF& b) {
    const double w = (columnesClau(e) + 1) * kXifra10;
    const double x = b.left();
    double y = b.top();
    auto fila = [&](const QString& t) {
        el.append(text(QRectF(x, y, w, kFilaClau), ambBlancsXifra(t), 10, kDreta));
        y += kFilaClau;
    };
    fila(e.nombres.value(0));
    fila(QString(QChar(0x00D7)) + e.nombres.value(1));
    el.append(linia(x, y, x + w, y));
    for (int i = 0; i < e.files.size(); ++i) {
        if (i == e.files.size() - 1 && e.files.size() > 1) {
            el.append(linia(x, y, x + w, y));
        }
        fila(e.files.at(i));
    }
}

void clauDivisio(Elements& el, const ExerciciFitxa& e, const QRectF& b) {
    const double x = b.left();
    const double y = b.top();
    const int columnes = columnesClau(e) + 1;
    for (int i = 0; i < e.files.size() + 1; ++i) {
        // With the subtractions written, every product carries its minus sign and rule.
        const bool producte = e.ambResta && i % 2 == 1;
        const QString t =
            filaClauDivisio(i == 0 ? e.nombres.value(0) : e.files.at(i - 1), producte);
        const double yi = y + i * kFilaClau;
        el.append(text(QRectF(x, yi, columnes * kXifra10, kFilaClau), t, 10));
        if (producte)
            el.append(linia(x, yi + kFilaClau, x + columnes * kXifra10, yi + kFilaClau));
    }
    const double xs = x + columnes * kXifra10;
    const double ws = qMax(e.nombres.value(1).size(), e.solucio.size()) * kXifra10 + 1;
    el.append(linia(xs, y, xs, y + 2 * kFilaClau));
    el.append(linia(xs, y + kFilaClau, xs + ws, y + kFilaClau));
    el.append(text(QRectF(xs + 0.5, y, ws, kFilaClau), e.nombres.value(1), 10));
    el.append(text(QRectF(xs + 0.5, y + kFilaClau, ws, kFilaClau), e.solucio, 10, kEsquerra, true));
}

} // namespace

int maximExercicis(TipusActivitat activitat, const DadesNivell& nivell, bool ambResta) {
    return 2 * graella(mida(parametres(activitat, nivell, ambResta))).perPagina();
}

QList<PaginaFitxa> fitxa(const Capcalera& capcalera, const QList<ExerciciFitxa>& exercicis,
                         const DadesNivell& nivell) {
    if (exercicis.isEmpty())
        return distribueix(capcalera, titolFitxa(capcalera), {}, 0, {});
    const ExerciciFitxa& primer = exercicis.first();
    const Parametres p = parametres(primer.activitat, nivell, primer.ambResta);
    Mida m = mida(p);
    const bool frases =
        p.activitat == TipusActivitat::Cardinals || p.activitat == TipusActivitat::Ordinals;
    const int perLinia = caractersPerLinia(p);
    if (frases) {
        // The block is as tall as the longest phrase drawn: no word is ever cut off.
        qsizetype linies = 0;
        for (const ExerciciFitxa& e : exercicis)
            linies = qMax(linies, parteix(e.pregunta, perLinia).size());
        m.alcada = linies * 5.5 + 14;
    }
    int caractersResp = caracters(p.p2);
    for (const ExerciciFitxa& e : exercicis)
        caractersResp = qMax(caractersResp, int(e.solucio.size()));
    const int llargadaRoma = p.activitat == TipusActivitat::Romans ? llargadaRomans(p) : 0;
    const Ordenacio o = ordenacio(p);

    const Dibuix dibuixa = [&](Elements& el, int i, const QRectF& b) {
        const ExerciciFitxa& e = exercicis.at(i);
        switch (p.activitat) {
        case TipusActivitat::Cardinals:
        case TipusActivitat::Ordinals:
            frase(el, e, b, perLinia, caractersResp);
            break;
        case TipusActivitat::Romans:
            romans(el, e, b, llargadaRoma);
            break;
        case TipusActivitat::Ordenacio:
            ordena(el, e, b, o);
            break;
        case TipusActivitat::Sumar:
        case TipusActivitat::Restar:
            sumaResta(el, e, b, p.p1);
            break;
        case TipusActivitat::Taules:
            el.append(text(QRectF(b.left(), b.top(), 26, kAltCaixa), e.pregunta, 14, kDreta, true));
            el.append(text(QRectF(b.left() + 26, b.top(), 6, kAltCaixa), QStringLiteral("="), 14,
                           kCentre));
            el.append(caixa(QRectF(b.left() + 32, b.top(), ampladaResposta(2), kAltCaixa)));
            break;
        case TipusActivitat::Multiplicar:
            multiplica(el, e, b, p);
            break;
        case TipusActivitat::Dividir:
            divideix(el, e, b, p);
            break;
        case TipusActivitat::Portada:
            break;
        }
    };
    return distribueix(capcalera, titolFitxa(capcalera), m, int(exercicis.size()), dibuixa);
}

QList<PaginaFitxa> solucions(const Capcalera& capcalera, const QList<ExerciciFitxa>& exercicis) {
    Mida m{10, kFilaClau, kFilaClau};
    for (const ExerciciFitxa& e : exercicis) {
        const Mida mi = midaClau(e);
        m.amplada = qMax(m.amplada, mi.amplada + kNumero);
        m.alcada = qMax(m.alcada, mi.alcada);
    }
    m.amplada = qMin(m.amplada, kAreaFitxa.width());
    const QString titol = capcalera.titolSolucions + QStringLiteral(" · ") + titolFitxa(capcalera);
    const Dibuix dibuixa = [&](Elements& el, int i, const QRectF& b) {
        const ExerciciFitxa& e = exercicis.at(i);
        if (e.activitat == TipusActivitat::Multiplicar)
            clauMultiplicacio(el, e, b);
        else if (e.activitat == TipusActivitat::Dividir)
            clauDivisio(el, e, b);
        else
            el.append(text(QRectF(b.left(), b.top(), b.width(), kFilaClau), textClau(e), 10));
    };
    return distribueix(capcalera, titol, m, int(exercicis.size()), dibuixa);
}

} // namespace DisposicioFitxa
