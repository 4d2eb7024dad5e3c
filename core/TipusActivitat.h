#pragma once

// The nine activities, in the order every file keeps them (a group's `Activitats` character and
// level count, a pupil's level byte, a level set's ten records), and the front page's own tab 0.
// The number is turned into this type where it is read and back where it is written.
enum class TipusActivitat : int {
    Portada = 0,
    Cardinals = 1,
    Ordinals = 2,
    Romans = 3,
    Ordenacio = 4,
    Sumar = 5,
    Restar = 6,
    Taules = 7,
    Multiplicar = 8,
    Dividir = 9,
};

inline constexpr int kActivitats = 9;

// The activity's number, 1..9 (0 for the front page's tab).
constexpr int numero(TipusActivitat a) {
    return static_cast<int>(a);
}

// Activity `n` (1..9); any other number is the front page's tab.
constexpr TipusActivitat tipusActivitat(int n) {
    return n >= 1 && n <= kActivitats ? static_cast<TipusActivitat>(n) : TipusActivitat::Portada;
}

// Cardinals, ordinals, Roman numerals and ordering, the activities on whole numbers
// ("Numeració"); the others are the calculations ("Càlcul").
constexpr bool esNumeracio(TipusActivitat a) {
    return a >= TipusActivitat::Cardinals && a <= TipusActivitat::Ordenacio;
}
