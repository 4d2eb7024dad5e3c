#include "classe/ui/fResum.h"

#include "classe/ui/ResumImpres.h"
#include "classe/ui/TriaPeriode.h"
#include "classe/ui/fProgres.h"
#include "core/AtomicFile.h"
#include "core/Csv.h"
#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/ui/Escalat.h"
#include "core/ui/Lletra.h"
#include "core/ui/Missatges.h"
#include "core/ui/VistaPrevia.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

fResum::TriaFitxer& triaFitxer() {
    static fResum::TriaFitxer tria;
    return tria;
}

QString dialegDesa(QWidget* parent, const QString& titol, const QString& filtre) {
    return QFileDialog::getSaveFileName(Escalat::finestraReal(parent), titol, QString(), filtre);
}

QPushButton* boto(const char* nom, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(nom));
    // Enter belongs to the table: it opens the pupil, never presses a button.
    b->setAutoDefault(false);
    return b;
}

// The chosen pupil's row is framed rather than filled, so its shades and numbers stay as they are.
class DelegatFila : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcio,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o = opcio;
        const bool triada = o.state & QStyle::State_Selected;
        o.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(p, o, index);
        if (!triada)
            return;
        p->save();
        p->setPen(QPen(QColor(0xD9, 0x5F, 0x02), 2));
        const QRect r = o.rect.adjusted(0, 1, 0, -1);
        p->drawLine(r.topLeft(), r.topRight());
        p->drawLine(r.bottomLeft(), r.bottomRight());
        if (index.column() == 0)
            p->drawLine(r.topLeft(), r.bottomLeft());
        if (index.column() == index.model()->columnCount() - 1)
            p->drawLine(r.topRight(), r.bottomRight());
        p->restore();
    }
};

} // namespace

void fResum::Obre(QWidget* parent, const Sessio& sessio) {
    fResum finestra(
        sessio, [&sessio](QWidget* p, const QString& nom) { fProgres::Obre(p, sessio, nom); },
        parent);
    Escalat::executa(finestra);
}

void fResum::posaTriaFitxer(TriaFitxer tria) {
    triaFitxer() = std::move(tria);
}

fResum::fResum(const Sessio& sessio, ObreProgres obreProgres, QWidget* parent)
    : QDialog(parent), sessio_(sessio), obreProgres_(std::move(obreProgres)),
      resum_(ResumClasse::llegeix(sessio.carpeta, sessio.general.GrupActual, sessio.general.Idioma,
                                  sessio.grup, Periode())) {
    setObjectName(QStringLiteral("fResum"));
    setWindowTitle(sessio.nomGrup(sessio.general.GrupActual) + QStringLiteral(" \u2014 ") +
                   sessio.text(IdText::kResumClasse));
    construeix();
    omple();
    // Set once the columns exist: inserting columns would carry it past them.
    {
        const QSignalBlocker bloqueig(taula_->horizontalHeader());
        taula_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    }
    mida();
    taula_->setCurrentCell(0, 1);
}

void fResum::construeix() {
    periode_ = new TriaPeriode(sessio_, this);
    periode_->setObjectName(QStringLiteral("TriaPeriode"));
    connect(periode_, &TriaPeriode::canviat, this, &fResum::periodeCanviat);

    taula_ = new QTableWidget(this);
    taula_->setObjectName(QStringLiteral("Taula"));
    taula_->setFont(Lletra::arial(10));
    taula_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    taula_->setSelectionBehavior(QAbstractItemView::SelectRows);
    taula_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the buttons; the arrows walk its cells.
    taula_->setTabKeyNavigation(false);
    taula_->setItemDelegate(new DelegatFila(taula_));
    taula_->verticalHeader()->hide();
    taula_->verticalHeader()->setDefaultSectionSize(taula_->fontMetrics().height() + 10);
    taula_->setAccessibleName(windowTitle());
    QHeaderView* cap = taula_->horizontalHeader();
    cap->setFont(Lletra::arial(9, true));
    cap->setSectionsClickable(true);
    cap->setSortIndicatorShown(true);
    // Sized to the contents when they change, not on every cell set: measuring every column at
    // each of a hundred rows' cells would take seconds.
    cap->setSectionResizeMode(QHeaderView::Interactive);
    connect(cap, &QHeaderView::sortIndicatorChanged, this, &fResum::ordena);
    // Enter and a double-click both activate the row.
    connect(taula_, &QAbstractItemView::activated, this, [this](const QModelIndex& i) {
        if (obreProgres_ && i.isValid())
            obreProgres_(this, resum_.alumne(i.row()).nom);
    });
    taula_->installEventFilter(this);

    imprimir_ = boto("Imprimir", sessio_.text(IdText::kImprimir), this);
    exportar_ = boto("Exportar", sessio_.text(IdText::kExportar), this);
    tancar_ = boto("Tancar", sessio_.text(IdText::kTancar), this);
    connect(imprimir_, &QPushButton::clicked, this, &fResum::imprimeix);
    connect(exportar_, &QPushButton::clicked, this, &fResum::exporta);
    connect(tancar_, &QPushButton::clicked, this, &QDialog::reject);

    auto* botons = new QHBoxLayout;
    botons->addStretch();
    for (QPushButton* b : {imprimir_, exportar_, tancar_})
        botons->addWidget(b);
    auto* dalt = new QHBoxLayout;
    dalt->addWidget(periode_);
    dalt->addStretch();
    auto* tot = new QVBoxLayout(this);
    tot->addLayout(dalt);
    tot->addWidget(taula_, 1);
    tot->addLayout(botons);
    setTabOrder(periode_, taula_);
    setTabOrder(taula_, imprimir_);
    setTabOrder(imprimir_, exportar_);
    setTabOrder(exportar_, tancar_);
    taula_->setFocus();
}

void fResum::omple() {
    const QStringList capcalera = resum_.capcalera(ResumClasse::Format::Pantalla);
    taula_->setColumnCount(int(capcalera.size()));
    taula_->setHorizontalHeaderLabels(capcalera);
    taula_->setRowCount(int(resum_.files()));
    for (int f = 0; f < resum_.files(); ++f) {
        const QStringList textos = resum_.fila(f, ResumClasse::Format::Pantalla);
        for (int c = 0; c < textos.size(); ++c) {
            auto* item = new QTableWidgetItem(textos.at(c));
            const double avanc = resum_.avanc(f, c);
            // Every cell paints its own background: the chosen row is only framed.
            const QColor fons = avanc >= 0 ? ResumImpres::colorAvanc(avanc)
                                           : taula_->palette().color(QPalette::Base);
            item->setBackground(fons);
            item->setForeground(avanc >= 0 ? ResumImpres::tintaSobre(fons)
                                           : taula_->palette().color(QPalette::Text));
            item->setTextAlignment(resum_.columna(c) == ResumClasse::Columna::Nom
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignCenter);
            taula_->setItem(f, c, item);
        }
    }
}

// As wide as the table's columns, as tall as its rows, within the screen.
void fResum::mida() {
    // The header's bold face is only measured right once the window's style is applied.
    ensurePolished();
    taula_->horizontalHeader()->ensurePolished();
    taula_->resizeColumnsToContents();
    int ample = taula_->frameWidth() * 2 + taula_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < taula_->columnCount(); ++c)
        ample += taula_->columnWidth(c);
    const int files = qBound(5, int(resum_.files()), 20);
    const int alt = taula_->horizontalHeader()->sizeHint().height() +
                    taula_->verticalHeader()->defaultSectionSize() * files +
                    taula_->frameWidth() * 2;
    const QSize lloc =
        screen() ? screen()->availableGeometry().size() * 0.95 : QSize(ample, alt) * 2;
    taula_->setMinimumSize(qMin(ample, lloc.width() - 24), qMin(alt, lloc.height() - 150));
    adjustSize();
    taula_->setMinimumSize(0, 0);
}

void fResum::periodeCanviat() {
    resum_.posaPeriode(periode_->periode());
    const QHeaderView* cap = taula_->horizontalHeader();
    ordena(cap->sortIndicatorSection(), cap->sortIndicatorOrder());
    taula_->resizeColumnsToContents();
}

void fResum::ordena(int columna, Qt::SortOrder ordre) {
    const QString nom =
        taula_->currentRow() >= 0 ? resum_.alumne(taula_->currentRow()).nom : QString();
    const int columnaActual = qMax(0, taula_->currentColumn());
    resum_.ordena(columna, ordre);
    omple();
    // The pupil chosen stays chosen.
    for (int f = 0; f < resum_.files(); ++f)
        if (!nom.isEmpty() && resum_.alumne(f).nom == nom)
            taula_->setCurrentCell(f, columnaActual);
}

bool fResum::eventFilter(QObject* objecte, QEvent* event) {
    if (objecte == taula_ && event->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        const bool amunt = tecla->key() == Qt::Key_Up, avall = tecla->key() == Qt::Key_Down;
        if (tecla->modifiers() == Qt::ControlModifier && (amunt || avall)) {
            taula_->horizontalHeader()->setSortIndicator(
                qMax(0, taula_->currentColumn()), amunt ? Qt::AscendingOrder : Qt::DescendingOrder);
            return true;
        }
    }
    return QDialog::eventFilter(objecte, event);
}

void fResum::imprimeix() {
    ResumImpres::Dades d;
    d.titol = sessio_.text(IdText::kPrograma) + " > " +
              sessio_.nomGrup(sessio_.general.GrupActual) + ": " +
              sessio_.text(IdText::kResumClasse);
    d.periode = sessio_.text(IdText::kPeriode) + ": " + textPeriode(sessio_, resum_.periode());
    d.data = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    d.pagina = sessio_.text(IdText::kPagina);
    d.capcalera = resum_.capcalera(ResumClasse::Format::Pantalla);
    for (qsizetype f = 0; f < resum_.files(); ++f) {
        d.files << resum_.fila(f, ResumClasse::Format::Pantalla);
        QList<double> avanc;
        for (int c = 0; c < resum_.columnes(); ++c)
            avanc << resum_.avanc(f, c);
        d.avanc << avanc;
    }
    QPrinter impressora(QPrinter::HighResolution);
    ResumImpres::preparaImpressora(impressora);
    vistaPrevia(impressora, this, windowTitle(), sessio_.general.Idioma,
                [&](QPrinter& p) { return ResumImpres::imprimeix(p, d); });
}

void fResum::exporta() {
    const TriaFitxer tria = triaFitxer() ? triaFitxer() : dialegDesa;
    QString cami = tria(this, sessio_.text(IdText::kExportar),
                        sessio_.text(IdText::kFullCalcul) + QStringLiteral(" (*.csv)"));
    if (cami.isEmpty())
        return;
    if (QFileInfo(cami).suffix().isEmpty())
        cami += QStringLiteral(".csv");
    const QByteArray bytes = Csv::write(resum_.taula(ResumClasse::Format::Csv));
    if (!AtomicFile::write(cami, bytes))
        avisa(IdText::kNoEsPotEscriure);
}

void fResum::avisa(int id) {
    Missatges::Informacio(sessio_.text(id), sessio_.general.Idioma, this);
}
