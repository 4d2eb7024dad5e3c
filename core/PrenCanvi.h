#pragma once

// One field of a shared record written back over the file's copy, which another computer may
// have changed since this copy read it: the field takes this copy's value only when this copy
// changed it. True when both changed it, to different values.
template <typename T> bool prenCanvi(T& disc, const T& llegit, const T& actual) {
    if (actual == llegit)
        return false;
    const bool tambe = disc != llegit && disc != actual;
    disc = actual;
    return tambe;
}
