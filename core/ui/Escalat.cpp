#include "core/ui/Escalat.h"

#include "core/EscalaPantalla.h"
#include "core/ui/VistaReduida.h"

#include <QApplication>
#include <QDialog>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QScreen>

#include <unistd.h>

namespace Escalat {

namespace {

double gReduccio = 1;

} // namespace

void arrenca(char* argv[]) {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QSize disponible = pantalla->availableGeometry().size();
    const QByteArray escala = EscalaPantalla::perArrencar(disponible, qgetenv("QT_SCALE_FACTOR"),
                                                          qgetenv("QT_SCREEN_SCALE_FACTORS"));
    if (escala.isEmpty()) {
        fixaReduccio(EscalaPantalla::reduccio(disponible));
        return;
    }
    // Qt reads the scale only while the application object is built, hence the new start; the
    // variable set here also keeps the new start from starting once more.
    qputenv("QT_SCALE_FACTOR", escala);
    const QByteArray programa = QCoreApplication::applicationFilePath().toLocal8Bit();
    execv(programa.constData(), argv);
    qunsetenv("QT_SCALE_FACTOR");
}

void fixaReduccio(double reduccio) {
    gReduccio = reduccio;
}

double reduccio() {
    return gReduccio;
}

std::unique_ptr<QWidget> mostra(QWidget& finestra) {
    if (gReduccio >= 1) {
        finestra.show();
        return nullptr;
    }
    auto vista = std::make_unique<VistaReduida>(finestra, gReduccio, nullptr);
    // Closing the main window ends the program, as it does when the window is on its own.
    QObject::connect(vista.get(), &QDialog::finished, qApp, &QCoreApplication::quit);
    finestra.show();
    vista->show();
    return vista;
}

int executa(QDialog& finestra) {
    if (gReduccio >= 1)
        return finestra.exec();
    VistaReduida vista(finestra, gReduccio, finestraReal(finestra.parentWidget()));
    vista.setModal(true);
    finestra.setResult(0);
    finestra.show();
    return vista.exec();
}

QWidget* finestraReal(QWidget* w) {
    while (w) {
        QWidget* finestra = w->window();
        const QGraphicsProxyWidget* proxy = finestra->graphicsProxyWidget();
        if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
            return finestra;
        w = proxy->scene()->views().constFirst();
    }
    return nullptr;
}

} // namespace Escalat
