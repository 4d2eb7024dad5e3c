#include "Portada.h"
#include "ProgramFolder.h"
#include "Sessio.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("XIFRUM");

    Sessio sessio;
    sessio.carpeta = ProgramFolder::carpetaPrograma();
    sessio.general = LlegirConfigGeneral(sessio.carpeta);
    sessio.grup = LlegirConfigGrup(sessio.carpeta, sessio.general.GrupActual);

    Portada portada(sessio);
    portada.show();
    const int code = QApplication::exec();
    DesarConfigGeneral(sessio.carpeta, sessio.general);
    return code;
}
