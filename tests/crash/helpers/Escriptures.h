#pragma once

#include <QByteArray>
#include <QString>

// The writes the crash test cuts short, one kind at a time. Each kind starts from the folder
// `prepara` lays down and repeats one step, alternating between two contents (the level editor's
// also between "Sí" and "No"), so the files after step i are those after step i % 4.
namespace Escriptures {

enum class Tipus { Reescriu, NivellSuperat, JocNivells, Historial, DesaHistorial, General };

struct Escriptura {
    const char* nom;
    Tipus tipus;
};
inline constexpr Escriptura kEscriptures[] = {
    {"records editor rewrite", Tipus::Reescriu},        {"level passed", Tipus::NivellSuperat},
    {"level set saved and settled", Tipus::JocNivells}, {"history line", Tipus::Historial},
    {"history viewer save", Tipus::DesaHistorial},      {"General.cfg on close", Tipus::General}};
inline constexpr int kPeriode = 4;

// The files every kind starts from: General.cfg, Grups.cfg, the group's level set and pupils,
// a pupil's history.
bool prepara(const QString& carpeta);
// Step i of the kind; false when a write failed.
bool pas(Tipus tipus, const QString& carpeta, int i);

// The history line step i appends, and the file it goes to.
QByteArray linia(int i);
QString rutaHistorial(const QString& carpeta);
// The level set the level editor edits.
QString rutaJoc(const QString& carpeta);

} // namespace Escriptures
