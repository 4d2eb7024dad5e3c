#pragma once

#include <QString>

// Paths of the data files, all under the program folder `carpeta`. Names that come from users or
// from files go through SafeName first, so every path stays inside its folder.

// Inf/Dat/<name of group `grup` in language `idioma`>.dat
QString RutaRegistres(const QString& carpeta, int grup, int idioma);

// Inf/Niv/<level-set name without surrounding spaces>.niv
QString RutaNivell(const QString& carpeta, const QString& nomNivell);

// Inf/Niv/<level-set name>.ni2, the backup copy the level editor keeps while a set is open.
QString RutaCopiaNivell(const QString& carpeta, const QString& nomNivell);

// Inf/Hst/<pupil name without surrounding spaces>.rtf
QString RutaHistorial(const QString& carpeta, const QString& nomAlumne);

// Inf/<file name of `fitxer`>.lock: the lock every computer takes before writing that data file.
QString RutaBloqueig(const QString& carpeta, const QString& fitxer);
