#pragma once

// Starts the program again, in the same process, with the scale its primary screen asks for
// (EscalaPantalla) when that scale is not 1. Call it right after the application object exists,
// before any window and before anything is locked or read; `argv` is the command line as it was
// before the application object took its own options out. Returns when the program goes on as
// it is: at scale 1, with a scale the user chose, or when it could not start again.
void arrencaEscalat(char* argv[]);
