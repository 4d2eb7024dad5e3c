#include "core/ui/VistaReduida.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QtMath>

namespace {

QSize escalada(QSize mida, double escala) {
    return {qCeil(mida.width() * escala), qCeil(mida.height() * escala)};
}

} // namespace

VistaReduida::VistaReduida(QWidget& finestra, double escala, QWidget* pare)
    : QDialog(pare), finestra_(finestra), escala_(escala), vista_(new QGraphicsView(&escena_)),
      proxy_(new QGraphicsProxyWidget) {
    setWindowTitle(finestra.windowTitle());
    setWindowIcon(finestra.windowIcon());
    // A window made over a window already in a view was put in that view as a small window of
    // its own; it is taken out of there, to be shown at its full scaled size here.
    if (QGraphicsProxyWidget* abans = finestra.graphicsProxyWidget()) {
        abans->setWidget(nullptr);
        delete abans;
    }
    proxy_->setWidget(&finestra);
    escena_.addItem(proxy_);

    vista_->setTransform(QTransform::fromScale(escala, escala));
    vista_->setFrameShape(QFrame::NoFrame);
    vista_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    vista_->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    vista_->setBackgroundBrush(finestra.palette().window());
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(0, 0, 0, 0);
    capa->addWidget(vista_);
    setFocusProxy(vista_);
    proxy_->setFocus();

    ajustaMida();
    finestra.installEventFilter(this);
    if (auto* dialeg = qobject_cast<QDialog*>(&finestra))
        connect(dialeg, &QDialog::finished, this, &VistaReduida::acaba);
}

VistaReduida::~VistaReduida() {
    finestra_.removeEventFilter(this);
    // The window belongs to whoever made it, not to the scene.
    proxy_->setWidget(nullptr);
}

void VistaReduida::ajustaMida() {
    // The embedded window keeps whatever place it had; the view shows it from its corner.
    vista_->setSceneRect(proxy_->geometry());
    const QSize mida = escalada(finestra_.size(), escala_);
    if (finestra_.minimumSize() == finestra_.maximumSize()) {
        setFixedSize(mida);
        return;
    }
    setMinimumSize(escalada(finestra_.minimumSize(), escala_));
    if (size() != mida)
        resize(mida);
}

bool VistaReduida::eventFilter(QObject* objecte, QEvent* event) {
    if (objecte == &finestra_) {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
            ajustaMida();
            break;
        case QEvent::WindowTitleChange:
            setWindowTitle(finestra_.windowTitle());
            break;
        case QEvent::Close:
            // Once the main window has taken its closing (a dialog says so with its result), the
            // view closes too; a window that refused stays.
            if (!qobject_cast<QDialog*>(&finestra_))
                QMetaObject::invokeMethod(
                    this, [this] { finestra_.isVisible() ? void() : acaba(0); },
                    Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(objecte, event);
}

void VistaReduida::acaba(int resultat) {
    if (tancada_)
        return;
    tancada_ = true;
    done(resultat);
}

// Closing the view asks the window, which may refuse, or close and so end the view.
void VistaReduida::closeEvent(QCloseEvent* event) {
    if (!tancada_)
        finestra_.close();
    event->setAccepted(tancada_);
}

// Escape belongs to the window inside: what it leaves is not the view's to close on.
void VistaReduida::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        event->ignore();
    else
        QDialog::keyPressEvent(event);
}

// A window that may be resized follows the view's size.
void VistaReduida::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (finestra_.minimumSize() == finestra_.maximumSize())
        return;
    const QSize mida(qRound(width() / escala_), qRound(height() / escala_));
    if (escalada(finestra_.size(), escala_) != size())
        finestra_.resize(mida.expandedTo(finestra_.minimumSize()));
}
