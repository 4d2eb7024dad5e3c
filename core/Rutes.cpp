#include "core/Rutes.h"

#include "core/IdsText.h"
#include "core/ProgramFolder.h"
#include "core/SafeName.h"
#include "core/StringTable.h"

#include <QFileInfo>

QString RutaRegistres(const QString& carpeta, int grup, int idioma) {
    return ProgramFolder::path(
        carpeta, QString(ProgramFolder::kDat) + '/' +
                     SafeName::fileName(TextIdioma(IdText::grup(grup), idioma)) + ".dat");
}

QString RutaNivell(const QString& carpeta, const QString& nomNivell) {
    return ProgramFolder::path(carpeta, QString(ProgramFolder::kNiv) + '/' +
                                            SafeName::fileName(nomNivell) + ".niv");
}

QString RutaCopiaNivell(const QString& carpeta, const QString& nomNivell) {
    return ProgramFolder::path(carpeta, QString(ProgramFolder::kNiv) + '/' +
                                            SafeName::fileName(nomNivell) + ".ni2");
}

QString RutaHistorial(const QString& carpeta, const QString& nomAlumne) {
    return ProgramFolder::path(carpeta, QString(ProgramFolder::kHst) + '/' +
                                            SafeName::fileName(nomAlumne) + ".rtf");
}

QString RutaBloqueig(const QString& carpeta, const QString& fitxer) {
    return ProgramFolder::path(carpeta, QString(ProgramFolder::kInf) + '/' +
                                            QFileInfo(fitxer).fileName() + ".lock");
}
