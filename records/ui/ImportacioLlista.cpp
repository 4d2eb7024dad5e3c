#include "records/ui/ImportacioLlista.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/ui/BotoGlif.h"
#include "core/ui/Escalat.h"
#include "core/ui/Units.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPuntsText = 12;
constexpr int kEspai = 180;
constexpr int kAltLlista = 7200;
constexpr int kAmpleNous = 6000;
constexpr int kAmpleOmesos = 8400;

// A control character (a TAB or a line break inside a quoted field) shown as a dot, so that the
// row keeps one line and the teacher still sees where it was.
QString visible(QString text) {
    for (QChar& c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar(0xB7);
    return text;
}

// Every column as wide as its widest text, heading included, and the list wide enough for all of
// them: a name is never cut short on screen.
void ajusta(QTreeWidget* llista) {
    const QFontMetrics fm(llista->font());
    const int marge = tw(kEspai * 2);
    int total = 0;
    for (int c = 0; c < llista->columnCount(); ++c) {
        int ample = fm.horizontalAdvance(llista->headerItem()->text(c));
        for (int i = 0; i < llista->topLevelItemCount(); ++i)
            ample = std::max(ample, fm.horizontalAdvance(llista->topLevelItem(i)->text(c)));
        llista->setColumnWidth(c, ample + marge);
        total += ample + marge;
    }
    const int scroll = llista->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    llista->setMinimumWidth(
        std::max(llista->minimumWidth(), total + scroll + 2 * llista->frameWidth()));
}

} // namespace

bool ImportacioLlista::Confirma(const Sessio& sessio, const ImportaLlista::Pla& pla,
                                QWidget* parent) {
    ImportacioLlista finestra(sessio, pla, parent);
    return Escalat::executa(finestra) == QDialog::Accepted;
}

int ImportacioLlista::idMotiu(ImportaLlista::Motiu motiu) {
    switch (motiu) {
    case ImportaLlista::Motiu::Capcalera:
        return IdText::kFilaCapcalera;
    case ImportaLlista::Motiu::Buit:
        return IdText::kSenseNom;
    case ImportaLlista::Motiu::NoValid:
        return IdText::kNomNoValid;
    case ImportaLlista::Motiu::JaHiEs:
        return IdText::kJaEsALaLlista;
    case ImportaLlista::Motiu::Limit:
        break;
    }
    return IdText::kLlistaPlena;
}

ImportacioLlista::ImportacioLlista(const Sessio& sessio, const ImportaLlista::Pla& pla,
                                   QWidget* parent)
    : QDialog(parent), sessio_(sessio) {
    setModal(true);
    QFont lletra = font();
    lletra.setPointSize(kPuntsText);
    setFont(lletra);
    QFont lletraTitol = lletra;
    lletraTitol.setBold(true);
    setWindowTitle(sessio_.text(IdText::kImportarLlista));

    const int ids[2] = {IdText::kSafegiran, IdText::kNoSafegiran};
    const qsizetype quants[2] = {pla.nous.size(), pla.omesos.size()};
    for (int i = 0; i < 2; ++i) {
        etiqueta_[i] = new QLabel(sessio_.text(ids[i]).arg(quants[i]));
        etiqueta_[i]->setObjectName(QStringLiteral("Etiqueta_%1").arg(i));
        etiqueta_[i]->setFont(lletraTitol);
    }

    nous_ = llista("Nous", {sessio_.text(IdText::kNumero), sessio_.text(IdText::kNom)});
    nous_->setMinimumSize(tw(kAmpleNous), tw(kAltLlista));
    for (const FilaAlumne& f : pla.nous)
        new QTreeWidgetItem(
            nous_, {f.value(LlistaAlumnes::kColNumero), f.value(LlistaAlumnes::kColNom).trimmed()});
    omesos_ = llista("Omesos", {sessio_.text(IdText::kFila), sessio_.text(IdText::kNom),
                                sessio_.text(IdText::kMotiu)});
    omesos_->setMinimumSize(tw(kAmpleOmesos), tw(kAltLlista));
    for (const ImportaLlista::Omes& o : pla.omesos)
        new QTreeWidgetItem(
            omesos_, {QString::number(o.fila), visible(o.nom), sessio_.text(idMotiu(o.motiu))});
    for (QTreeWidget* l : {nous_, omesos_}) {
        ajusta(l);
        l->setCurrentItem(l->topLevelItem(0));
    }
    etiqueta_[0]->setBuddy(nous_);
    etiqueta_[1]->setBuddy(omesos_);

    for (int i = 0; i < 2; ++i) {
        boto_[i] = new QPushButton;
        BotoGlif::prepara(boto_[i], i == 0 ? BotoGlif::Cancel : BotoGlif::Accepta,
                          QString::fromUtf8("Botó_%1").arg(i),
                          sessio_.text(i == 0 ? IdText::kCancellar : IdText::kAcceptar));
    }
    // Nothing to add leaves only the way out.
    const bool res = pla.nous.isEmpty();
    boto_[1]->setEnabled(!res);
    boto_[res ? 0 : 1]->setDefault(true);
    connect(boto_[0], &QPushButton::clicked, this, &QDialog::reject);
    connect(boto_[1], &QPushButton::clicked, this, &QDialog::accept);

    auto* llistes = new QGridLayout;
    llistes->setHorizontalSpacing(tw(kEspai * 2));
    llistes->setVerticalSpacing(tw(kEspai / 2));
    llistes->addWidget(etiqueta_[0], 0, 0);
    llistes->addWidget(etiqueta_[1], 0, 1);
    llistes->addWidget(nous_, 1, 0);
    llistes->addWidget(omesos_, 1, 1);
    llistes->setColumnStretch(0, 1);
    llistes->setColumnStretch(1, 1);
    auto* botons = new QHBoxLayout;
    botons->addStretch();
    botons->addWidget(boto_[0]);
    botons->addWidget(boto_[1]);
    auto* tot = new QVBoxLayout(this);
    const int marge = tw(kEspai * 2);
    tot->setContentsMargins(marge, marge, marge, marge);
    tot->setSpacing(tw(kEspai));
    tot->addLayout(llistes, 1);
    tot->addLayout(botons);

    setTabOrder(nous_, omesos_);
    setTabOrder(omesos_, boto_[0]);
    setTabOrder(boto_[0], boto_[1]);
    boto_[res ? 0 : 1]->setFocus();
}

QTreeWidget* ImportacioLlista::llista(const char* nom, const QStringList& columnes) {
    auto* l = new QTreeWidget;
    l->setObjectName(nom);
    l->setFont(font());
    l->setRootIsDecorated(false);
    l->setUniformRowHeights(true);
    l->setAlternatingRowColors(true);
    l->setSelectionMode(QAbstractItemView::NoSelection);
    l->setEditTriggers(QAbstractItemView::NoEditTriggers);
    l->setHeaderLabels(columnes);
    l->header()->setStretchLastSection(true);
    l->header()->setSectionsMovable(false);
    return l;
}
