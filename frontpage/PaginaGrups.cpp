#include "frontpage/PaginaGrups.h"

#include "core/IdsText.h"
#include "core/Sessio.h"
#include "core/ui/Units.h"
#include "frontpage/BotoGrup.h"
#include "frontpage/DisposicioPortada.h"
#include "frontpage/EstilPortada.h"
#include "frontpage/Marc.h"
#include "frontpage/RotolEscalat.h"

#include <QLabel>
#include <QPushButton>

namespace L = DisposicioPortada;

namespace {

constexpr int kMidaTitol = 20;
constexpr int kMidaTitolBasc = 16;
constexpr int kBasc = 3;
const QColor kTitol(0xE4, 0x57, 0x2E);
const QColor kOmbra(0x7A, 0x3B, 0x12);

// A one-line caption of the title frame, in the bold face at `punts` points.
QLabel* rotol(QWidget* pare, const char* nom, const QRect& twips, int punts, const QColor& color) {
    auto* r = new RotolEscalat(pare);
    r->setObjectName(QString::fromUtf8(nom));
    r->setGeometry(tw(twips));
    r->setAlignment(Qt::AlignCenter);
    QFont f = r->font();
    f.setPointSize(punts);
    r->setFont(f);
    EstilPortada::colorText(r, color);
    return r;
}

// `Command1`: it fills the middle row and takes part in nothing, so it paints nothing either.
class BotoInert : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override {}
};

} // namespace

PaginaGrups::PaginaGrups(QWidget* parent) : QWidget(parent) {
    setObjectName("pGrups");

    auto* command1 = new BotoInert(this);
    command1->setObjectName("Command1");
    command1->setGeometry(tw(L::kCommand1));
    command1->setFocusPolicy(Qt::NoFocus);
    // Hidden, so that a screen reader does not announce a button without a name or a use.
    command1->hide();

    auto* frame1 = new Marc({QColor(0xFF, 0xE0, 0x8A), QColor(0xE8, 0xA3, 0x3D), 2, 14}, this);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(tw(L::kFrame1));
    // The title's size follows the language (aplicaIdioma).
    programa_[0] = rotol(frame1, "lblPrograma_0", L::kPrograma0, kMidaTitol, kOmbra);
    programa_[1] = rotol(frame1, "lblPrograma_1", L::kPrograma1, kMidaTitol, kTitol);
    autor_ = rotol(frame1, "lblAutor", L::kAutor, 11, QColor(0x5A, 0x3A, 0x10));
    data_ = rotol(frame1, "lblData", L::kData, 8, QColor(0x7A, 0x5A, 0x30));

    for (int g = 1; g <= 16; ++g) {
        grups_[g] = new BotoGrup(g, this);
        grups_[g]->setGeometry(tw(L::grup(g)));
        connect(grups_[g], &QAbstractButton::clicked, this, [this, g] { emit grupPremut(g); });
    }
}

void PaginaGrups::tria(int grup) {
    if (triat_ != 0)
        grups_[triat_]->setSeleccionat(false);
    triat_ = grup;
    grups_[grup]->setSeleccionat(true);
}

void PaginaGrups::aplicaIdioma(const Sessio& sessio) {
    for (int g = 1; g <= 16; ++g)
        grups_[g]->setNom(sessio.nomGrup(g));
    const int punts = sessio.general.Idioma == kBasc ? kMidaTitolBasc : kMidaTitol;
    for (QLabel* titol : programa_) {
        titol->setFont(EstilPortada::mida(titol->font(), punts, true));
        titol->setText(sessio.text(IdText::kPrograma));
    }
    autor_->setText(sessio.text(IdText::kSubtitol));
    data_->setText(sessio.text(IdText::kData));
}
