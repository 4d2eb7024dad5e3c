#include "core/ui/Escalat.h"

#include "core/EscalaPantalla.h"

#include <QGuiApplication>
#include <QScreen>

#include <unistd.h>

void arrencaEscalat(char* argv[]) {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    if (!pantalla)
        return;
    const QByteArray escala =
        EscalaPantalla::perArrencar(pantalla->availableGeometry().size(),
                                    qgetenv("QT_SCALE_FACTOR"), qgetenv("QT_SCREEN_SCALE_FACTORS"));
    if (escala.isEmpty())
        return;
    // Qt reads the scale only while the application object is built, hence the new start; the
    // variable set here also keeps the new start from starting once more.
    qputenv("QT_SCALE_FACTOR", escala);
    const QByteArray programa = QCoreApplication::applicationFilePath().toLocal8Bit();
    execv(programa.constData(), argv);
    qunsetenv("QT_SCALE_FACTOR");
}
