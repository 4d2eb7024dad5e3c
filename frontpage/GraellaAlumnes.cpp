#include "frontpage/GraellaAlumnes.h"

#include "core/ui/Lletra.h"
#include "core/ui/Units.h"
#include "frontpage/DisposicioPortada.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>

namespace L = DisposicioPortada;

namespace {

constexpr int kPuntsGraella = 8;
constexpr int kMaxColorsPocs = 256;

} // namespace

GraellaAlumnes::GraellaAlumnes(QWidget* parent)
    : QTableWidget(0, LlistaAlumnes::kColumnes, parent) {
    setObjectName(QString::fromUtf8("Relació"));
    // The grid's own font is set before anything inside it is laid out with the inherited one.
    const QFont lletra = Lletra::arial(kPuntsGraella);
    setFont(lletra);
    horizontalHeader()->setFont(lletra);
    move(tw(L::kXRelacio), tw(L::kYRelacio));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setSortingEnabled(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(tw(L::kAltFila));
    horizontalHeader()->setFixedHeight(tw(L::kAltFila));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlternatingRowColors(true);
    setStyleSheet("QTableWidget { background: white; alternate-background-color: #FFF8E8;"
                  " gridline-color: #E8D9BC; }"
                  "QHeaderView::section { background: #F6E3B8; border: none;"
                  " border-right: 1px solid #E0C48E; border-bottom: 1px solid #E0C48E; }");
    for (int c = 0; c < LlistaAlumnes::kColumnes; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& actual) {
                if (!omplint_)
                    emit filaCanviada(actual.row());
            });
    coloraPocsColors();
}

void GraellaAlumnes::omple(const QList<FilaAlumne>& files, int fila) {
    omplint_ = true;
    clearContents();
    setRowCount(files.isEmpty() ? 1 : int(files.size()));
    for (int r = 0; r < files.size(); ++r) {
        for (int c = 0; c < LlistaAlumnes::kColumnes; ++c) {
            auto* item = new QTableWidgetItem(files.at(r).value(c));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(c == LlistaAlumnes::kColNom ? Qt::AlignLeft | Qt::AlignVCenter
                                                               : Qt::AlignCenter);
            setItem(r, c, item);
        }
    }
    if (fila >= 0)
        setCurrentCell(fila, LlistaAlumnes::kColNom);
    else
        setCurrentCell(-1, -1);
    omplint_ = false;
}

void GraellaAlumnes::posaAmples(const std::array<int, LlistaAlumnes::kColumnes>& amples) {
    for (int c = 0; c < LlistaAlumnes::kColumnes; ++c) {
        setColumnHidden(c, amples[c] == 0);
        if (amples[c] > 0)
            setColumnWidth(c, tw(amples[c]));
    }
}

// Displays of 256 colours or fewer cannot show the grid's tints: plain colours instead.
void GraellaAlumnes::coloraPocsColors() {
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pantalla || (1LL << qMin(pantalla->depth(), 62)) > kMaxColorsPocs)
        return;
    setStyleSheet(QString());
    setAlternatingRowColors(false);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Highlight, colorBgr(0xFF0000));
    p.setColor(QPalette::HighlightedText, colorBgr(0xFFFF00));
    setPalette(p);
}
