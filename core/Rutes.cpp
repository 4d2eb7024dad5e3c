#include "core/Rutes.h"

#include "core/ProgramFolder.h"
#include "core/SafeName.h"
#include "core/StringTable.h"

QString RutaRegistres(const QString& folder, int grup, int idioma) {
    return ProgramFolder::path(folder, QString(ProgramFolder::kDat) + '/' +
                                           SafeName::nomFitxer(TextIdioma(92 + grup, idioma)) +
                                           ".dat");
}

QString RutaNivell(const QString& folder, const QString& nomNivell) {
    return ProgramFolder::path(folder, QString(ProgramFolder::kNiv) + '/' +
                                           SafeName::nomFitxer(nomNivell) + ".niv");
}

QString RutaCopiaNivell(const QString& folder, const QString& nomNivell) {
    return ProgramFolder::path(folder, QString(ProgramFolder::kNiv) + '/' +
                                           SafeName::nomFitxer(nomNivell) + ".ni2");
}

QString RutaHistorial(const QString& folder, const QString& nomAlumne) {
    return ProgramFolder::path(folder, QString(ProgramFolder::kHst) + '/' +
                                           SafeName::nomFitxer(nomAlumne) + ".rtf");
}
