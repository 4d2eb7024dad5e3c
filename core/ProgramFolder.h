#pragma once

#include <QString>

// The fixed layout of the data folders under the program folder (`CarpetaPrograma`, the folder of
// the executable). Every function that touches files takes that folder as a parameter, so the
// whole program can run inside any folder, and the tests inside a temporary one.
namespace ProgramFolder {

inline constexpr auto kInf = "Inf";
inline constexpr auto kNiv = "Inf/Niv";
inline constexpr auto kHst = "Inf/Hst";
inline constexpr auto kDat = "Inf/Dat";
inline constexpr auto kImatges = "Imatges";
inline constexpr auto kSons = "Sons";
inline constexpr auto kDades = "Dades";

// The folder of the running executable.
QString carpetaPrograma();

// `folder` joined with a relative path made of the constants above and a file name.
QString path(const QString& folder, const QString& relative);
QString generalCfg(const QString& folder);
QString grupsCfg(const QString& folder);

} // namespace ProgramFolder
