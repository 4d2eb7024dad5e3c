#include "levels/ui/GraellaNivells.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/ui/Units.h"
#include "levels/ui/CapcaleraNivells.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

namespace {

constexpr int kColumnes = 6;
constexpr int kAmples[kColumnes] = {800, 1165, 1165, 1165, 1435, 1435};
constexpr int kAltFila = 330;

// The numbers of a range end in three blanks that keep them off the cell's right edge; text
// drawing drops trailing blanks, so the room is kept here.
class BlancsFinals : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opcio(option);
        initStyleOption(&opcio, index);
        qsizetype blancs = 0;
        while (blancs < opcio.text.size() && opcio.text.at(opcio.text.size() - 1 - blancs) == u' ')
            ++blancs;
        if (blancs > 0) {
            const int marge = opcio.fontMetrics.horizontalAdvance(QString(blancs, u' '));
            opcio.text.chop(blancs);
            // The selection still fills the whole cell: only the text moves in.
            QStyleOptionViewItem fons(opcio);
            fons.text.clear();
            const QWidget* vista = option.widget;
            QStyle* estil = vista ? vista->style() : QApplication::style();
            estil->drawControl(QStyle::CE_ItemViewItem, &fons, painter, vista);
            opcio.rect.setRight(opcio.rect.right() - marge);
            opcio.backgroundBrush = Qt::NoBrush;
            opcio.state &= ~QStyle::State_Selected;
            opcio.palette.setColor(QPalette::Text,
                                   option.state & QStyle::State_Selected
                                       ? option.palette.color(QPalette::HighlightedText)
                                       : option.palette.color(QPalette::Text));
            estil->drawControl(QStyle::CE_ItemViewItem, &opcio, painter, vista);
            return;
        }
        QStyledItemDelegate::paint(painter, option, index);
    }
};

} // namespace

GraellaNivells::GraellaNivells(QWidget* parent) : QTableWidget(0, kColumnes, parent) {
    setObjectName("Graella");
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(tw(kAltFila));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < kColumnes; ++c)
        setColumnWidth(c, tw(kAmples[c]));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Selection is the editor's: the five fields of the level being edited, never the number.
    setSelectionMode(QAbstractItemView::NoSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // The arrows move between the cells; Tab goes on to the next control.
    setTabKeyNavigation(false);
    setItemDelegate(new BlancsFinals(this));

    connect(this, &QTableWidget::cellPressed, this, [this](int row, int) {
        if (row >= 0)
            emit nivellTriat(row + 1);
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (!movent_ && row >= 0 && row != previous)
            emit nivellTriat(row + 1);
    });
}

void GraellaNivells::PreparaGraella(TipusActivitat activitat, const Sessio& sessio) {
    activitat_ = activitat;
    setAccessibleName(TextUtil::trimSpaces(sessio.text(IdText::kNivells)));
    auto* buida = new QTableWidgetItem;
    setHorizontalHeaderItem(0, buida);
    for (int c = 1; c < kColumnes; ++c) {
        const CapcaleraNivells cap = CapcaleraNivells::de(activitat, c, sessio);
        auto* item = new QTableWidgetItem(cap.text);
        item->setFont(cap.lletra);
        if (cap.color.isValid())
            item->setForeground(cap.color);
        item->setToolTip(cap.ajuda);
        item->setTextAlignment(Qt::AlignCenter);
        setHorizontalHeaderItem(c, item);
    }
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < kColumnes; ++c)
            if (QTableWidgetItem* i = item(r, c))
                i->setTextAlignment(alineacio(c));
    // Tall enough for ten levels under the header, so no scroll bar ever hides a level.
    const int alt = horizontalHeader()->sizeHint().height() +
                    kNivellsPerActivitat * verticalHeader()->defaultSectionSize() +
                    2 * frameWidth();
    int ample = 2 * frameWidth();
    for (int c = 0; c < kColumnes; ++c)
        ample += columnWidth(c);
    setFixedSize(ample, alt);
}

Qt::Alignment GraellaNivells::alineacio(int columna) const {
    const bool dreta = columna >= 4 && (activitat_ == TipusActivitat::Cardinals ||
                                        activitat_ == TipusActivitat::Romans ||
                                        activitat_ == TipusActivitat::Ordenacio);
    return Qt::AlignVCenter | (dreta ? Qt::AlignRight : Qt::AlignHCenter);
}

void GraellaNivells::ompleFila(int fila, const FilaGraella& f) {
    const int r = fila - 1;
    auto* numero = new QTableWidgetItem(QString::number(fila));
    numero->setFlags(Qt::ItemIsEnabled);
    numero->setTextAlignment(alineacio(0));
    numero->setBackground(palette().button());
    setItem(r, 0, numero);
    for (int c = 1; c < kColumnes; ++c) {
        auto* item = new QTableWidgetItem(f.at(c - 1));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setTextAlignment(alineacio(c));
        setItem(r, c, item);
    }
}

void GraellaNivells::mostra(const QList<FilaGraella>& files) {
    const QScopedValueRollback<bool> guard(movent_, true);
    setUpdatesEnabled(false);
    clearSelection();
    setRowCount(0);
    setRowCount(int(files.size()));
    for (int l = 1; l <= files.size(); ++l)
        ompleFila(l, files.at(l - 1));
    setUpdatesEnabled(true);
}

void GraellaNivells::pintaFila(int fila, const FilaGraella& f) {
    if (fila < 1 || fila > rowCount())
        return;
    for (int c = 1; c < kColumnes; ++c)
        if (QTableWidgetItem* i = item(fila - 1, c))
            i->setText(f.at(c - 1));
}

void GraellaNivells::afegeixFila(const FilaGraella& f) {
    const QScopedValueRollback<bool> guard(movent_, true);
    setRowCount(rowCount() + 1);
    ompleFila(rowCount(), f);
}

void GraellaNivells::treuUltimaFila() {
    const QScopedValueRollback<bool> guard(movent_, true);
    if (rowCount() > 0)
        setRowCount(rowCount() - 1);
}

void GraellaNivells::selecciona(int fila) {
    if (fila < 1 || fila > rowCount())
        return;
    const QScopedValueRollback<bool> guard(movent_, true);
    setCurrentCell(fila - 1, 1);
    clearSelection();
    setRangeSelected(QTableWidgetSelectionRange(fila - 1, 1, fila - 1, kColumnes - 1), true);
}

QString GraellaNivells::cella(int fila, int columna) const {
    const QTableWidgetItem* i = item(fila - 1, columna);
    return i ? i->text() : QString();
}

void GraellaNivells::pocsColors() {
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Button, QColor(128, 255, 128));
    p.setColor(QPalette::Highlight, QColor(0, 255, 255));
    setPalette(p);
}
