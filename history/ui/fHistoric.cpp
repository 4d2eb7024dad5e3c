#include "history/ui/fHistoric.h"

#include "core/IdsText.h"
#include "core/MotiuNoDesat.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/ui/Escalat.h"
#include "core/ui/Lletra.h"
#include "core/ui/Missatges.h"
#include "core/ui/Units.h"
#include "core/ui/VistaPrevia.h"
#include "core/ui/Wingdings.h"
#include "history/FitxerHistorial.h"
#include "history/RtfHistorial.h"
#include "history/ui/HistorialImpres.h"
#include "history/ui/ImatgesHistoric.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QToolButton>

namespace {

// Window layout, in twips.
constexpr int kAmple = 8400;
constexpr int kAlt = 7320;
constexpr int kMarge = 180;
constexpr QRect kImatge(kMarge, 120, 1200, 1200);
constexpr int kEinaX = 1560;
constexpr int kEinaY = 270;
constexpr int kEina = 900;
constexpr int kEinaPas = 1020;
constexpr int kEtiY = 1410;
constexpr int kEtiAlt = 330;
constexpr QRect kVisor(kMarge, 1740, kAmple - 2 * kMarge, kAlt - 1740 - kMarge);
constexpr int kPuntsVisor = 9;
constexpr int kPuntsSimbol = 12;

// Each heading over its column: its left edge, measured like the tab stops, and its width. The
// symbols are centred: the level's over its two figures, the others over the gap between the
// amount used and the amount allowed.
struct Columna {
    int x;
    int ample;
};
constexpr Columna kEti[7] = {{0, 900},    {900, 1460}, {3425, 400}, {2360, 1165},
                             {4210, 400}, {5260, 400}, {6340, 400}};
constexpr int kCodiEti[7] = {
    0, 0, Wingdings::kQuery, 0, Wingdings::kCheck, Wingdings::kCross, Wingdings::kClock};
constexpr int kTextEti[7] = {
    IdText::kDataColumna, IdText::kActivitats, 0, IdText::kResultat, 0, 0, 0};
constexpr int kAjudaEina[5] = {IdText::kDesarHistorial, IdText::kCopiarHistorial,
                               IdText::kBuidarHistorial, IdText::kImprimirHistorial,
                               IdText::kSortir};

} // namespace

void fHistoric::Obre(Sessio& sessio, const QPixmap& imatge, QWidget* parent) {
    fHistoric finestra(sessio, imatge, parent);
    Escalat::executa(finestra);
}

const QList<int>& fHistoric::tabulacions() {
    static const QList<int> t = {900, 2360, 3525, 4035, 4410, 5085, 5460, 6165, 6540};
    return t;
}

fHistoric::fHistoric(Sessio& sessio, const QPixmap& imatge, QWidget* parent)
    : QDialog(parent), sessio_(sessio), imatge_(imatge),
      nom_(TextUtil::trimSpaces(sessio.registre.Nom)), visor_(new QPlainTextEdit(this)),
      imatgeBoto_(new QPushButton(this)) {
    setObjectName(QStringLiteral("fHistòric"));
    setModal(true);
    construeix();
    posaTextos();
    carrega();
    connect(visor_, &QPlainTextEdit::textChanged, this, &fHistoric::canvi);
}

void fHistoric::construeix() {
    setFixedSize(tw(kAmple), tw(kAlt));

    visor_->setObjectName(QStringLiteral("Visor"));
    // Tab is typed into the history's columns; Ctrl+Tab leaves the box from the keyboard.
    for (const bool enrere : {false, true}) {
        const QKeySequence tecla(enrere ? Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab
                                        : Qt::CTRL | Qt::Key_Tab);
        auto* drecera = new QShortcut(tecla, visor_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(drecera, &QShortcut::activated, this,
                [this, enrere] { focusNextPrevChild(!enrere); });
    }
    visor_->setGeometry(tw(kVisor));
    visor_->setFont(Lletra::arial(kPuntsVisor));
    // The box breaks lines only where the history does, so its lines are the file's lines and the
    // printed ones, and the columns stay under their headings.
    visor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A TAB is part of a history line; Shift+Tab leaves the box.
    visor_->setTabChangesFocus(false);
    // Set on the document once, so that every line, loaded or typed, takes the same stops.
    QTextOption opcio = visor_->document()->defaultTextOption();
    QList<QTextOption::Tab> tabs;
    for (int t : tabulacions())
        tabs << QTextOption::Tab(tw(t), QTextOption::LeftTab);
    opcio.setTabs(tabs);
    visor_->document()->setDefaultTextOption(opcio);

    const int origen =
        visor_->x() + visor_->frameWidth() + qRound(visor_->document()->documentMargin());
    for (int i = 0; i < 7; ++i) {
        eti_[i] = new QLabel(this);
        eti_[i]->setObjectName(QStringLiteral("Eti_%1").arg(i));
        eti_[i]->setGeometry(origen + tw(kEti[i].x), tw(kEtiY), tw(kEti[i].ample), tw(kEtiAlt));
        if (kCodiEti[i] != 0) {
            eti_[i]->setFont(Wingdings::font(kCodiEti[i], kPuntsSimbol));
            eti_[i]->setAlignment(Qt::AlignCenter);
        } else {
            eti_[i]->setFont(Lletra::arial(kPuntsVisor, true));
            eti_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

    imatgeBoto_->setObjectName(QStringLiteral("Imatge"));
    imatgeBoto_->setGeometry(tw(kImatge));
    imatgeBoto_->setFocusPolicy(Qt::NoFocus);
    if (!imatge_.isNull()) {
        imatgeBoto_->setIcon(QIcon(imatge_));
        imatgeBoto_->setIconSize(imatgeBoto_->size() - QSize(8, 8));
    }

    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton(this);
        bEines_[i] = b;
        b->setObjectName(QStringLiteral("bEines_%1").arg(i));
        const int x = i < 4 ? kEinaX + i * kEinaPas : kAmple - kMarge - kEina;
        b->setGeometry(tw(QRect(x, kEinaY, kEina, kEina)));
        b->setIconSize(b->size() - QSize(14, 14));
        b->setIcon(ImatgesHistoric::eina(i, b->iconSize().width(), devicePixelRatioF()));
        b->setFocusPolicy(Qt::StrongFocus);
        connect(b, &QToolButton::clicked, this, [this, i] { eina(i); });
    }
    bEines_[0]->setShortcut(QKeySequence::Save);
    bEines_[3]->setShortcut(QKeySequence::Print);
}

void fHistoric::posaTextos() {
    setWindowTitle(u' ' + nom_ + QStringLiteral(": ") + sessio_.text(IdText::kHistorial));
    for (int i = 0; i < 7; ++i)
        eti_[i]->setText(kCodiEti[i] != 0 ? Wingdings::text(kCodiEti[i])
                                          : u' ' + sessio_.text(kTextEti[i]));
    eti_[2]->setToolTip(u' ' + sessio_.text(IdText::kNivell) + u' ');
    for (int i = 0; i < 5; ++i) {
        bEines_[i]->setToolTip(sessio_.text(kAjudaEina[i]));
        bEines_[i]->setAccessibleName(sessio_.text(kAjudaEina[i]).trimmed());
    }
    imatgeBoto_->setAccessibleName(nom_);
    visor_->setAccessibleName(windowTitle().trimmed());
}

void fHistoric::carrega() {
    // A file that cannot be read leaves the box empty; one that is missing is created empty, and
    // when even that fails the user is told.
    bool noCreat = false;
    obert_ = FitxerHistorial::obre(sessio_.carpeta, nom_, &noCreat).value_or(QString());
    visor_->setPlainText(obert_);
    if (noCreat)
        Missatges::Informacio(sessio_.text(IdText::kNoEsPotEscriure), sessio_.general.Idioma,
                              parentWidget());
    visor_->moveCursor(QTextCursor::End);
    estat_.carrega(textVisor());
    mostraEines();
}

void fHistoric::canvi() {
    estat_.canvia(textVisor());
    mostraEines();
}

void fHistoric::eina(int index) {
    switch (index) {
    case 0:
        desa();
        break;
    case 1:
        copia();
        break;
    case 2:
        buida();
        break;
    case 3:
        imprimeix();
        break;
    default:
        close();
        break;
    }
}

void fHistoric::desa() {
    QString text = textVisor();
    if (!FitxerHistorial::desaEdicio(sessio_.carpeta, nom_, text, obert_)) {
        // Save stays enabled: the edits are still in the box for another try.
        avisa(IdNoDesat());
        return;
    }
    obert_ = text;
    // Lines a series appended on another computer meanwhile were kept: the box shows them too.
    if (text != textVisor()) {
        visor_->setPlainText(text);
        visor_->moveCursor(QTextCursor::End);
        estat_.carrega(textVisor());
    }
    estat_.desat();
    mostraEines();
}

void fHistoric::copia() {
    const QString text = textVisor();
    auto* dades = new QMimeData;
    dades->setText(text);
    dades->setData(QStringLiteral("text/rtf"),
                   RtfHistorial::document(text, tabulacions(), kPuntsVisor));
    QGuiApplication::clipboard()->setMimeData(dades);
    estat_.copiat();
    mostraEines();
}

void fHistoric::buida() {
    // One edit of the box rather than a new text, so that Ctrl+Z brings the history back.
    QTextCursor cursor(visor_->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void fHistoric::imprimeix() {
    HistorialImpres::Dades d;
    d.nom = nom_;
    d.data = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    d.pagina = sessio_.text(IdText::kPagina);
    for (QLabel* e : eti_)
        d.eti << e->text();
    d.linies = textVisor().split(u'\n');
    // The empty line after the last line end holds nothing to print.
    if (d.linies.size() > 1 && d.linies.last().isEmpty())
        d.linies.removeLast();
    if (!imatge_.isNull())
        d.imatge = imatge_.size();

    QPrinter impressora(QPrinter::HighResolution);
    HistorialImpres::preparaImpressora(impressora);
    if (!HistorialImpres::pagines(d, HistorialImpres::paper(impressora),
                                  HistorialImpres::mesures(impressora))) {
        avisa(IdText::kErrorImprimir);
        return;
    }
    vistaPrevia(impressora, this, sessio_.text(IdText::kImprimirHistorial).trimmed(),
                sessio_.general.Idioma, [&](QPrinter& p) {
                    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
                    const bool fet = HistorialImpres::imprimeix(p, d, imatge_);
                    QGuiApplication::restoreOverrideCursor();
                    return fet;
                });
}

void fHistoric::mostraEines() {
    bEines_[0]->setEnabled(estat_.desar());
    bEines_[1]->setEnabled(estat_.copiar());
    bEines_[2]->setEnabled(estat_.buidar());
    bEines_[3]->setEnabled(estat_.imprimir());
}

QString fHistoric::textVisor() const {
    // The raw text keeps what the file held (a no-break space stays one); only the separators the
    // document puts between its lines become line ends.
    QString t = visor_->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, u'\n');
    t.replace(QChar::LineSeparator, u'\n');
    return t;
}

void fHistoric::avisa(int id) {
    Missatges::Informacio(sessio_.text(id), sessio_.general.Idioma, this);
}
