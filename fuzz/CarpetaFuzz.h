#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: one program folder per process (made once, so that each input
// only rewrites the files it needs), the input as bytes and a check that stops the run.
namespace CarpetaFuzz {

// A program folder in a temporary directory with the data folders a started program has.
const QString& carpeta();
// `relatiu` under carpeta().
QString ruta(const QString& relatiu);

QByteArray bytes(const uint8_t* data, size_t size);

// Replaces the file at `relatiu` with `contingut`, its folder made when missing.
void escriu(const QString& relatiu, const QByteArray& contingut);
// The bytes of the file at `ruta`, or nothing when it cannot be read.
QByteArray llegeix(const QString& ruta);

// Whether `ruta` names a file directly inside `carpeta`: no "." or ".." step, no empty step.
bool dinsDe(const QString& carpeta, const QString& ruta);

[[noreturn]] void falla(const char* condicio, const char* fitxer, int linia);

} // namespace CarpetaFuzz

// A property of the code under test: a violation aborts, so the fuzzer keeps the input.
#define COMPROVA(condicio)                                                                         \
    ((condicio) ? void(0) : CarpetaFuzz::falla(#condicio, __FILE__, __LINE__))

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
