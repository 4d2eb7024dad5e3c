#include "classe/ui/fProgres.h"

#include "classe/ui/TriaPeriode.h"
#include "core/Sessio.h"
#include "core/ui/Escalat.h"
#include "core/ui/Lletra.h"
#include "core/ui/PaginaA4.h"
#include "core/ui/VistaPrevia.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// The levels' ten steps take two thirds of the height, the errors the rest.
constexpr int kPartNivells = 2;
constexpr int kPartErrors = 1;
// Printout measures in pixels of 1/96 inch.
constexpr double kPixelsPerPolzada = 96;
constexpr int kPixelsTitol = 24;
constexpr int kPixelsCapcalera = 16;

QChartView* vista(const QString& nom, QWidget* parent) {
    auto* v = new QChartView(parent);
    v->setObjectName(nom);
    v->setRenderHint(QPainter::Antialiasing);
    v->setFrameShape(QFrame::NoFrame);
    v->setFocusPolicy(Qt::NoFocus);
    return v;
}

// Shows `chart` in `v` and lets the chart shown before go.
void posa(QChartView* v, QChart* chart) {
    QChart* abans = v->chart();
    v->setChart(chart);
    delete abans;
    // The view never lets its minimum shrink below a chart's; a new chart starts afresh.
    v->setMinimumSize(0, 0);
}

QFont lletraPixels(int pixels, bool negreta) {
    QFont f = Lletra::arial(12, negreta);
    f.setPixelSize(pixels);
    return f;
}

} // namespace

void fProgres::Obre(QWidget* parent, const Sessio& sessio, const QString& nomAlumne) {
    fProgres f(sessio, nomAlumne, parent);
    Escalat::executa(f);
}

fProgres::fProgres(const Sessio& sessio, const QString& nomAlumne, QWidget* parent)
    : QDialog(parent), sessio_(sessio), nom_(nomAlumne.trimmed()),
      series_(LecturaHistorial::fitxer(sessio.carpeta, nom_).value_or(QList<SerieHistorial>())),
      activitat_(new QComboBox(this)), periode_(new TriaPeriode(sessio, this)),
      imprimir_(new QPushButton(sessio.text(IdText::kImprimir), this)),
      tancar_(new QPushButton(sessio.text(IdText::kTancar), this)), pila_(new QStackedWidget(this)),
      nivells_(vista(QStringLiteral("Nivells"), this)),
      errors_(vista(QStringLiteral("Errors"), this)), buit_(new QLabel(this)) {
    setObjectName(QStringLiteral("fProgres"));
    setWindowTitle(nom_ + QStringLiteral(" – ") + sessio.text(IdText::kProgres));
    setFont(Lletra::arial(12));
    for (int d = 0; d < kDesenllacos; ++d)
        textos_.desenllacos[d] = sessio.text(IdText::kSuperada + d);
    textos_.eixX = sessio.text(IdText::kOrdreDeJoc);
    textos_.nivell = sessio.text(IdText::kNivell);
    textos_.errors = sessio.text(IdText::kErrors);

    auto* alumne = new QLabel(nom_, this);
    alumne->setObjectName(QStringLiteral("Alumne"));
    alumne->setFont(Lletra::arial(16, true));
    auto* etiqueta = new QLabel(sessio.text(IdText::kActivitat), this);
    etiqueta->setBuddy(activitat_);
    activitat_->setObjectName(QStringLiteral("Activitat"));
    for (TipusActivitat a : activitatsAmbSeries(series_))
        activitat_->addItem(sessio.text(IdText::activitat(numero(a))), numero(a));
    periode_->setObjectName(QStringLiteral("TriaPeriode"));
    imprimir_->setObjectName(QStringLiteral("Imprimir"));
    tancar_->setObjectName(QStringLiteral("Tancar"));
    buit_->setObjectName(QStringLiteral("Buit"));
    buit_->setAlignment(Qt::AlignCenter);
    buit_->setWordWrap(true);
    buit_->setFont(Lletra::arial(18));

    auto* fila = new QHBoxLayout;
    fila->addWidget(alumne);
    fila->addSpacing(24);
    fila->addWidget(etiqueta);
    fila->addWidget(activitat_);
    fila->addSpacing(12);
    fila->addWidget(periode_);
    fila->addStretch();
    fila->addWidget(imprimir_);
    fila->addWidget(tancar_);
    auto* grafics = new QWidget(this);
    auto* columna = new QVBoxLayout(grafics);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    columna->addWidget(nivells_, kPartNivells);
    columna->addWidget(errors_, kPartErrors);
    pila_->addWidget(grafics);
    pila_->addWidget(buit_);
    auto* tot = new QVBoxLayout(this);
    tot->addLayout(fila);
    tot->addWidget(pila_, 1);

    connect(activitat_, &QComboBox::currentIndexChanged, this, &fProgres::mostra);
    connect(periode_, &TriaPeriode::canviat, this, &fProgres::mostra);
    connect(imprimir_, &QPushButton::clicked, this, &fProgres::vistaPrevia);
    connect(tancar_, &QPushButton::clicked, this, &QDialog::reject);
    // Enter closes as Escape does; printing is asked for on purpose. The keys start on the
    // activity, whose arrows go through the charts.
    imprimir_->setAutoDefault(false);
    tancar_->setDefault(true);
    activitat_->setFocus();
    // Fits a 1366 x 768 screen with the window's frame and a task bar.
    resize(1280, 660);
    mostra();
}

void fProgres::mostra() {
    const TipusActivitat activitat = tipusActivitat(activitat_->currentData().toInt());
    progres_ = ProgresAlumne::de(series_, activitat, periode_->periode());
    const bool buit = progres_.punts.isEmpty();
    imprimir_->setEnabled(!buit);
    if (buit) {
        buit_->setText(series_.isEmpty() ? sessio_.text(IdText::kSenseSeries)
                                         : sessio_.text(IdText::kSenseSeriesPeriode) + "\n\n" +
                                               sessio_.text(IdText::kTriaAltrePeriode));
        pila_->setCurrentWidget(buit_);
        posa(nivells_, new QChart);
        posa(errors_, new QChart);
        return;
    }
    QChart* dalt = GraficProgres::nivells(progres_, textos_);
    QChart* baix = GraficProgres::errors(progres_, textos_);
    GraficProgres::alinea(dalt, baix);
    posa(nivells_, dalt);
    posa(errors_, baix);
    pila_->setCurrentIndex(0);
}

QStringList fProgres::capcalera() const {
    const QString separador = QStringLiteral(": ");
    return {nom_ + QStringLiteral(" – ") + sessio_.text(IdText::kProgres),
            sessio_.text(IdText::kActivitat) + separador + activitat_->currentText(),
            sessio_.text(IdText::kPeriode) + separador + textPeriode(sessio_, periode_->periode()),
            sessio_.text(IdText::kDataColumna) + separador +
                QDate::currentDate().toString(u"dd-MM-yyyy")};
}

void fProgres::preparaImpressora(QPrinter& impressora) {
    posaA4(impressora, QPageLayout::Landscape, 12);
}

bool fProgres::imprimeix(QPrinter& impressora) const {
    if (progres_.punts.isEmpty())
        return false;
    QPainter p;
    if (!p.begin(&impressora))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    // Everything is laid out in pixels of 1/96 inch, as on the screen, and scaled to the printer.
    const double escala = impressora.resolution() / kPixelsPerPolzada;
    p.scale(escala, escala);
    const QSizeF pagina = impressora.pageRect(QPrinter::DevicePixel).size() / escala;

    const QStringList linies = capcalera();
    p.setPen(Qt::black);
    p.setFont(lletraPixels(kPixelsTitol, true));
    const double alcadaTitol = kPixelsTitol * 1.4, alcadaLinia = kPixelsCapcalera * 1.4;
    p.drawText(QRectF(0, 0, pagina.width(), alcadaTitol), Qt::AlignLeft | Qt::AlignVCenter,
               linies[0]);
    p.setFont(lletraPixels(kPixelsCapcalera, false));
    p.drawText(QRectF(0, alcadaTitol, pagina.width(), alcadaLinia),
               Qt::AlignLeft | Qt::AlignVCenter, linies.mid(1, 2).join(QStringLiteral("     ")));
    p.drawText(QRectF(0, alcadaTitol, pagina.width(), alcadaLinia),
               Qt::AlignRight | Qt::AlignVCenter, linies[3]);
    const double dalt = alcadaTitol + alcadaLinia + 8;
    p.drawLine(QPointF(0, dalt - 4), QPointF(pagina.width(), dalt - 4));

    // Charts of their own, laid out for the page rather than the window.
    QGraphicsScene escena;
    QChart* nivells = GraficProgres::nivells(progres_, textos_);
    QChart* errors = GraficProgres::errors(progres_, textos_);
    escena.addItem(nivells);
    escena.addItem(errors);
    GraficProgres::alinea(nivells, errors);
    const double alcada = pagina.height() - dalt;
    const double alcadaNivells = alcada * kPartNivells / (kPartNivells + kPartErrors);
    nivells->setGeometry(0, 0, pagina.width(), alcadaNivells);
    errors->setGeometry(0, alcadaNivells, pagina.width(), alcada - alcadaNivells);
    // The alignment moves margins, which lays the charts out again.
    for (int i = 0; i < 3; ++i) {
        nivells->layout()->activate();
        errors->layout()->activate();
    }
    escena.render(&p, QRectF(0, dalt, pagina.width(), alcada),
                  QRectF(0, 0, pagina.width(), alcada));
    return p.end();
}

void fProgres::vistaPrevia() {
    QPrinter impressora(QPrinter::HighResolution);
    preparaImpressora(impressora);
    ::vistaPrevia(impressora, this, windowTitle(), sessio_.general.Idioma,
                  [this](QPrinter& p) { return imprimeix(p); });
}
