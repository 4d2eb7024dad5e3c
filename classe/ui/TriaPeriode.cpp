#include "classe/ui/TriaPeriode.h"

#include "core/Sessio.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr int kTextTipus[] = {IdText::kPeriodeTot, IdText::kPeriodeTrimestre,
                              IdText::kPeriodeDarrers30Dies, IdText::kPeriodeEntreDates};

QDateEdit* editorData(const QString& nom, QDate dia, QWidget* parent) {
    auto* e = new QDateEdit(dia, parent);
    e->setObjectName(nom);
    e->setCalendarPopup(true);
    e->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    return e;
}

} // namespace

TriaPeriode::TriaPeriode(const Sessio& sessio, QWidget* parent)
    : QWidget(parent), etiqueta_(new QLabel(sessio.text(IdText::kPeriode), this)),
      tipus_(new QComboBox(this)),
      inici_(editorData(QStringLiteral("Inici"), QDate::currentDate().addMonths(-1), this)),
      fi_(editorData(QStringLiteral("Fi"), QDate::currentDate(), this)) {
    tipus_->setObjectName(QStringLiteral("Periode"));
    for (int id : kTextTipus)
        tipus_->addItem(sessio.text(id));
    etiqueta_->setBuddy(tipus_);
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(0, 0, 0, 0);
    fila->addWidget(etiqueta_);
    fila->addWidget(tipus_);
    fila->addWidget(inici_);
    fila->addWidget(fi_);
    mostraDates();
    connect(tipus_, &QComboBox::currentIndexChanged, this, [this] {
        mostraDates();
        emit canviat();
    });
    connect(inici_, &QDateEdit::dateChanged, this, &TriaPeriode::canviat);
    connect(fi_, &QDateEdit::dateChanged, this, &TriaPeriode::canviat);
}

Periode TriaPeriode::periode(QDate avui) const {
    return Periode::de(Periode::Tipus(tipus_->currentIndex()), avui, inici_->date(), fi_->date());
}

void TriaPeriode::posa(Periode::Tipus tipus, QDate inici, QDate fi) {
    const QSignalBlocker bloqueig(this);
    if (inici.isValid())
        inici_->setDate(inici);
    if (fi.isValid())
        fi_->setDate(fi);
    tipus_->setCurrentIndex(int(tipus));
    mostraDates();
}

void TriaPeriode::mostraDates() {
    const bool entre = tipus_->currentIndex() == int(Periode::Tipus::EntreDates);
    inici_->setVisible(entre);
    fi_->setVisible(entre);
}

QString textPeriode(const Sessio& sessio, const Periode& periode) {
    const QString text = sessio.text(kTextTipus[int(periode.tipus)]);
    if (periode.tipus == Periode::Tipus::Tot)
        return text;
    const auto dia = [](QDate d) { return d.isValid() ? d.toString(u"dd-MM-yyyy") : QString(); };
    return QStringLiteral("%1 (%2 – %3)").arg(text, dia(periode.inici), dia(periode.fi));
}
