#pragma once

#include <QString>

// A pupil's identifying picture: a file in Imatges/ whose name the pupil's record holds (20
// characters at most). Choosing a picture copies the chosen file there under the name the record
// will hold, so that the record and the folder always agree.
namespace ImatgeAlumne {

inline constexpr int kAmpleNom = 20;

// The name a picture chosen at `cami` is stored under: the first 20 characters of its file name,
// as the record holds them (a character Windows-1252 lacks becomes '?'), without surrounding
// spaces and made safe for a file name.
QString nomDesat(const QString& cami);

// Imatges/<name> under `carpeta`; empty when the record names no picture.
QString ruta(const QString& carpeta, const QString& nom);

// Copies the picture at `cami` into Imatges/ under nomDesat(cami), or, when another picture has
// that name (two file names sharing their first 20 characters), under the first free variant
// "stem~n.ext" that still fits the field. A copy with the same bytes is reused, never written
// again. Returns the stored name, empty when the copy failed.
QString copia(const QString& carpeta, const QString& cami);

} // namespace ImatgeAlumne
