#include "board/FabricaActivitats.h"

#include "board/ActivitatDividir.h"
#include "board/ActivitatMultiplicar.h"
#include "board/ActivitatSumRes.h"
#include "board/ActivitatTaules.h"
#include "core/TipusActivitat.h"
#include "numeration/ActivitatCardinals.h"
#include "numeration/ActivitatOrdenar.h"
#include "numeration/ActivitatRomans.h"

namespace FabricaActivitats {

std::unique_ptr<Activitat> crea(int activitat, ContextActivitat& ctx) {
    switch (tipusActivitat(activitat)) {
    case TipusActivitat::Cardinals:
        return std::make_unique<ActivitatCardinals>(TipusActivitat::Cardinals, ctx);
    case TipusActivitat::Ordinals:
        return std::make_unique<ActivitatCardinals>(TipusActivitat::Ordinals, ctx);
    case TipusActivitat::Romans:
        return std::make_unique<ActivitatRomans>(ctx);
    case TipusActivitat::Ordenacio:
        return std::make_unique<ActivitatOrdenar>(ctx);
    case TipusActivitat::Sumar:
        return std::make_unique<ActivitatSumRes>(ctx, ActivitatSumRes::Operacio::Suma);
    case TipusActivitat::Restar:
        return std::make_unique<ActivitatSumRes>(ctx, ActivitatSumRes::Operacio::Resta);
    case TipusActivitat::Taules:
        return std::make_unique<ActivitatTaules>(ctx);
    case TipusActivitat::Multiplicar:
        return std::make_unique<ActivitatMultiplicar>(ctx);
    case TipusActivitat::Dividir:
        return std::make_unique<ActivitatDividir>(ctx);
    case TipusActivitat::Portada:
        break;
    }
    return nullptr;
}

} // namespace FabricaActivitats
