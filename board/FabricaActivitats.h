#pragma once

#include <memory>

class Activitat;
class ContextActivitat;

// The activity a board runs, by activity number: 1 Cardinals, 2 Ordinals, 3 Romans, 4 Ordenació,
// 5 Sumar, 6 Restar, 7 Taules, 8 Multiplicar, 9 Dividir. Null for any other number.
namespace FabricaActivitats {

std::unique_ptr<Activitat> crea(int activitat, ContextActivitat& ctx);

} // namespace FabricaActivitats
