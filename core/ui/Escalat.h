#pragma once

#include <memory>

class QDialog;
class QWidget;

// The program's windows at the screen's scale (EscalaPantalla).
namespace Escalat {

// Starts the program again, in the same process, with the larger scale its primary screen asks
// for; on a screen too small for the board it sets the reduction instead. Call it right after
// the application object exists, before any window and before anything is locked or read;
// `argv` is the command line as it was before the application object took its own options out.
// Returns when the program goes on as it is.
void arrenca(char* argv[]);

// How much smaller than drawn the windows are shown: 1 (the default) shows them as they are.
void fixaReduccio(double reduccio);
double reduccio();

// Shows the main window, or runs a modal window and returns its result, each in a scaled view of
// its own (VistaReduida) when the windows are shown smaller. Keep what `mostra` returns, the
// view if there is one, for less long than the window.
[[nodiscard]] std::unique_ptr<QWidget> mostra(QWidget& finestra);
int executa(QDialog& finestra);

// The real window on screen that holds `w`: the scaled view around it, or its own window.
QWidget* finestraReal(QWidget* w);

} // namespace Escalat
