#pragma once

#include <QString>

// The interface texts: one block of 500 identifiers per language (Catalan 0, Spanish 1, Galician 2,
// Basque 3, English 4; code "FRA" = 5 has no block). The texts are compiled into the executable
// from resources/strings.tsv.

// Text of Catalan offset `id` in language `idioma` (entry idioma * 500 + id). An entry the
// language's block lacks (the partial English block, "FRA", an unknown language or id) falls back
// to the Catalan text, and an id that no block holds gives an empty string.
QString TextIdioma(int id, int idioma);

// "CAT", "CAS", "GAL", "EUS", "ANG", "FRA" for 0..5; "CAT" for anything else.
QString CodiIdioma(int idioma);

namespace StringTable {
// True when the block of `idioma` holds `id` itself (no fallback).
bool has(int id, int idioma);
// The ids the Catalan block holds, ascending.
QList<int> ids();
} // namespace StringTable
