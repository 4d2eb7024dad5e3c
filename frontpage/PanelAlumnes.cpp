#include "frontpage/PanelAlumnes.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/ui/Units.h"
#include "frontpage/BotoArrodonit.h"
#include "frontpage/DisposicioPortada.h"
#include "frontpage/EstatPortada.h"
#include "frontpage/EstilPortada.h"
#include "frontpage/GraellaAlumnes.h"
#include "frontpage/ImatgesPortada.h"
#include "frontpage/Marc.h"

#include <QLabel>

namespace L = DisposicioPortada;

namespace {

constexpr int kPuntsTitolBarra = 8;
constexpr int kPuntsValor = 12;

const QColor kVoraVerda(0x9C, 0xCB, 0x7A); // the pupil bar and the pupil's picture
// The pupil's picture, green like the pupil bar.
const BotoArrodonit::Estil kEstilFoto{EstilPortada::kCarta,
                                      kVoraVerda,
                                      QColor(0xEE, 0xF8, 0xE4),
                                      QColor(0xDD, 0xEF, 0xCB),
                                      EstilPortada::kFocus,
                                      QColor(0xF3, 0xED, 0xE2),
                                      EstilPortada::kVoraInactiva,
                                      2,
                                      3,
                                      10};

QLabel* etiqueta(QWidget* pare, const char* nom, const QRect& twips, Qt::Alignment alineacio) {
    auto* e = new QLabel(pare);
    e->setObjectName(QString::fromUtf8(nom));
    e->setGeometry(tw(twips));
    e->setAlignment(alineacio);
    return e;
}

} // namespace

PanelAlumnes::PanelAlumnes(const Sessio& sessio, const EstatPortada& estat, QWidget* parent)
    : QWidget(parent), sessio_(sessio), estat_(estat) {
    setObjectName("Panel");
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, EstilPortada::kFons);
    setPalette(paleta);
    setAutoFillBackground(true);

    auto* frame2 = new Marc({QColor(0xE3, 0xF3, 0xD3), kVoraVerda, 1, 8}, this);
    frame2->setObjectName("Frame2");
    frame2->setGeometry(tw(L::kFrame2));
    const char* titols[3] = {"lblNúmero", "lblNivell", "lblNom"};
    const char* valors[3] = {"tNúmero", "tNom", "tNivell"};
    QLabel** llocsValor[3] = {&tNumero_, &tNom_, &tNivell_};
    for (int c = 0; c < 3; ++c) {
        const L::ColumnaBarra col = L::kBarra[c];
        const Qt::Alignment alineacio = c == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
        QLabel* titol = etiqueta(frame2, titols[c],
                                 {col.x, L::kYTitolBarra, col.ample, L::kAltTitolBarra}, alineacio);
        titol->setFont(EstilPortada::mida(titol->font(), kPuntsTitolBarra, false));
        EstilPortada::colorText(titol, QColor(0x3F, 0x6B, 0x22));
        QLabel* valor = etiqueta(frame2, valors[c],
                                 {col.x, L::kYValorBarra, col.ample, L::kAltValorBarra}, alineacio);
        valor->setFont(EstilPortada::mida(valor->font(), kPuntsValor, true));
        EstilPortada::colorText(valor, QColor(0x1F, 0x3A, 0x10));
        titols_[c] = titol;
        *llocsValor[c] = valor;
    }

    farcit_ =
        new Marc({QColor(0xFF, 0xFB, 0xF0), QColor(0xE3, 0xC8, 0x94), 1, 6, Qt::DashLine}, this);
    farcit_->setObjectName("filler");

    semafor_ = new QPushButton(this);
    semafor_->setObjectName(QString::fromUtf8("Semàfor"));
    semafor_->hide();
    const QSize foto = tw(L::kImatgeGrup).size() - QSize(8, 8);
    QIcon defecte;
    defecte.addPixmap(
        ImatgesPortada::semafor(true, foto.width(), foto.height(), devicePixelRatioF()),
        QIcon::Normal);
    defecte.addPixmap(
        ImatgesPortada::semafor(false, foto.width(), foto.height(), devicePixelRatioF()),
        QIcon::Disabled);
    semafor_->setIcon(defecte);

    imatgeGrup_ = new BotoArrodonit(kEstilFoto, this);
    imatgeGrup_->setObjectName("ImatgeGrup");
    imatgeGrup_->setGeometry(tw(L::kImatgeGrup));
    imatgeGrup_->setIconSize(foto);
    imatgeGrup_->setIcon(defecte);
    imatgeGrup_->setEnabled(false);
    connect(imatgeGrup_, &QPushButton::clicked, this, &PanelAlumnes::imatgePremuda);
}

// The grid is built the first time a list is shown rather than with the window: the front page
// opens on the groups, and a table with its headers and their fonts is the dearest thing on it
// to build.
GraellaAlumnes* PanelAlumnes::graella() {
    if (relacio_)
        return relacio_;
    relacio_ = new GraellaAlumnes(this);
    connect(relacio_, &GraellaAlumnes::filaCanviada, this, &PanelAlumnes::filaCanviada);
    // Where it would have been had it been built with the window: under the filler.
    relacio_->stackUnder(farcit_);
    emit graellaCreada(relacio_);
    anomenaGraella();
    return relacio_;
}

QString PanelAlumnes::nom() const {
    return tNom_->text();
}

QPixmap PanelAlumnes::imatgePerDefecte() const {
    return semafor_->icon().pixmap(imatgeGrup_->iconSize(), devicePixelRatioF(), QIcon::Normal);
}

void PanelAlumnes::omple() {
    graella()->omple(estat_.files(), estat_.fila());
}

void PanelAlumnes::formata() {
    GraellaAlumnes* g = graella();
    g->horizontalHeaderItem(LlistaAlumnes::kColNumero)->setText(sessio_.text(IdText::kNum));
    g->horizontalHeaderItem(LlistaAlumnes::kColNumero)->setTextAlignment(Qt::AlignCenter);
    g->horizontalHeaderItem(LlistaAlumnes::kColNom)->setText(sessio_.text(IdText::kNomColumna));
    g->horizontalHeaderItem(LlistaAlumnes::kColNom)
        ->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int a = 1; a <= kActivitats; ++a) {
        QTableWidgetItem* capcalera = g->horizontalHeaderItem(LlistaAlumnes::kColNivell1 + a - 1);
        capcalera->setText(sessio_.text(IdText::activitat(a)));
        capcalera->setTextAlignment(Qt::AlignCenter);
    }
    const int files = g->rowCount() + 1;
    const L::FormaGraella f = L::forma(estat_.pestanya(), files, estat_.buida());
    g->posaAmples(f.amples);
    g->setVerticalScrollBarPolicy(f.barra ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    g->resize(tw(L::kAmpleRelacio), tw(f.alcada));
    farcit_->setGeometry(tw(f.farcit));
}

void PanelAlumnes::posaAmples() {
    graella()->posaAmples(L::amplesLlistaBuida(estat_.pestanya()));
}

void PanelAlumnes::mostraSeleccio() {
    tNumero_->setText(estat_.numero());
    tNom_->setText(estat_.nom());
    tNivell_->setText(estat_.nivell());

    QPixmap foto;
    if (const QString ruta = estat_.rutaImatge(); !ruta.isEmpty())
        foto.load(ruta);
    if (foto.isNull()) {
        imatgeGrup_->setIcon(semafor_->icon());
    } else {
        foto = foto.scaled(imatgeGrup_->iconSize() * devicePixelRatioF(), Qt::KeepAspectRatio,
                           Qt::SmoothTransformation);
        foto.setDevicePixelRatio(devicePixelRatioF());
        QIcon icona;
        icona.addPixmap(foto, QIcon::Normal);
        icona.addPixmap(foto, QIcon::Disabled);
        imatgeGrup_->setIcon(icona);
    }
    imatgeGrup_->setEnabled(estat_.imatgeActiva());
    imatgeGrup_->setAccessibleName(estat_.nom().isEmpty()
                                       ? sessio_.text(IdText::activitat(numero(estat_.pestanya())))
                                       : estat_.nom());
}

void PanelAlumnes::nivellSuperat(int activitat, const QString& text) {
    const int fila = estat_.fila();
    if (relacio_ && fila >= 0 && fila < relacio_->rowCount())
        if (QTableWidgetItem* item =
                relacio_->item(fila, LlistaAlumnes::kColNivell1 + activitat - 1))
            item->setText(text);
}

void PanelAlumnes::anomenaGraella() {
    if (relacio_)
        relacio_->setAccessibleName(sessio_.nomGrup(sessio_.general.GrupActual));
}

void PanelAlumnes::aplicaIdioma() {
    const int titols[3] = {IdText::kNumero, IdText::kNom, IdText::kNivell};
    for (int c = 0; c < 3; ++c)
        titols_[c]->setText(sessio_.text(titols[c]));
    anomenaGraella();
}
