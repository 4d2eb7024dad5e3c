#pragma once

#include "core/FileLock.h"
#include "core/IdsText.h"

// The message for a write that did not happen: another computer kept the file's lock (try again
// in a moment), or the file itself could not be written.
inline int IdNoDesat() {
    return FileLock::lastWasBusy() ? IdText::kDadesOcupades : IdText::kNoEsPotEscriure;
}
