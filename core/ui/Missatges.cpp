#include "core/ui/Missatges.h"

#include "core/IdsText.h"
#include "core/StringTable.h"
#include "core/ui/Escalat.h"
#include "core/ui/Pictures.h"
#include "core/ui/Units.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kMarge = 240;
constexpr int kEsquerra = 173; // left edge of the picture and of the first button
constexpr int kIcona = 960;
constexpr int kAmpleText = 4800;
constexpr int kAmpleBoto = 1500;
constexpr int kAltBoto = 600;
constexpr int kPuntsText = 12;

} // namespace

Missatges::Missatges(Forma forma, const QString& text, int idioma, QWidget* parent)
    : QDialog(parent), text_(new QLabel(text, this)), icona_{new QLabel(this), new QLabel(this)},
      mou_{new QPushButton(this), new QPushButton(this)} {
    setModal(true);
    setWindowTitle(TextIdioma(IdText::kPrograma, idioma));

    QFont lletra = font();
    lletra.setPointSize(kPuntsText);
    setFont(lletra);

    text_->setObjectName("Text");
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text_->setTextFormat(Qt::PlainText);

    const qreal dpr = devicePixelRatioF();
    icona_[0]->setObjectName("Icona_0");
    icona_[0]->setPixmap(Pictures::question(tw(kIcona), dpr));
    icona_[1]->setObjectName("Icona_1");
    icona_[1]->setPixmap(Pictures::information(tw(kIcona), dpr));

    QFont lletraBoto = lletra;
    lletraBoto.setBold(true);
    for (int i = 0; i < 2; ++i) {
        mou_[i]->setObjectName(QStringLiteral("Mou_%1").arg(i));
        mou_[i]->setFont(lletraBoto);
        connect(mou_[i], &QPushButton::clicked, this, [this, i] { done(i); });
    }

    if (forma == Forma::Informacio) {
        icona_[0]->hide();
        mou_[0]->hide();
        mou_[1]->setText(TextIdioma(IdText::kAcceptar, idioma));
        mou_[1]->setDefault(true);
    } else {
        icona_[1]->hide();
        mou_[0]->setText(TextIdioma(IdText::kNo, idioma));
        mou_[1]->setText(TextIdioma(IdText::kSi, idioma));
        mou_[0]->setDefault(true);
    }
    for (QPushButton* b : mou_)
        b->setAccessibleName(b->text());
    disposa(forma);
}

void Missatges::disposa(Forma forma) {
    const int iconaX = tw(kEsquerra);
    const int dalt = tw(kMarge);
    const int textX = iconaX + tw(kIcona) + tw(kMarge);
    const int textAlt = qMax(tw(kIcona), text_->heightForWidth(tw(kAmpleText)));
    for (QLabel* icona : icona_)
        icona->setGeometry(iconaX, dalt, tw(kIcona), tw(kIcona));
    text_->setGeometry(textX, dalt, tw(kAmpleText), textAlt);

    const int botoY = dalt + textAlt + tw(kMarge) + tw(kMarge) / 2;
    const int botoAmple = tw(kAmpleBoto);
    mou_[0]->setGeometry(iconaX, botoY, botoAmple, tw(kAltBoto));
    const int segonX = forma == Forma::Informacio ? iconaX : iconaX + botoAmple + tw(kMarge);
    mou_[1]->setGeometry(segonX, botoY, botoAmple, tw(kAltBoto));

    setFixedSize(textX + tw(kAmpleText) + tw(kMarge), botoY + tw(kAltBoto) + tw(kMarge));
    (forma == Forma::Informacio ? mou_[1] : mou_[0])->setFocus();
}

void Missatges::Informacio(const QString& text, int idioma, QWidget* parent) {
    Missatges box(Forma::Informacio, text, idioma, parent);
    Escalat::executa(box);
}

bool Missatges::Pregunta(const QString& text, int idioma, QWidget* parent) {
    Missatges box(Forma::Pregunta, text, idioma, parent);
    return Escalat::executa(box) == 1;
}
