#include "board/FabricaActivitats.h"

#include "board/ActivitatDividir.h"
#include "board/ActivitatMultiplicar.h"
#include "board/ActivitatSumRes.h"
#include "board/ActivitatTaules.h"
#include "numeration/ActivitatCardinals.h"
#include "numeration/ActivitatOrdenar.h"
#include "numeration/ActivitatRomans.h"

namespace FabricaActivitats {

std::unique_ptr<Activitat> crea(int activitat, ContextActivitat& ctx) {
    switch (activitat) {
    case 1:
        return std::make_unique<ActivitatCardinals>(TipusActivitat::Cardinals, ctx);
    case 2:
        return std::make_unique<ActivitatCardinals>(TipusActivitat::Ordinals, ctx);
    case 3:
        return std::make_unique<ActivitatRomans>(ctx);
    case 4:
        return std::make_unique<ActivitatOrdenar>(ctx);
    case 5:
        return std::make_unique<ActivitatSumRes>(ctx, ActivitatSumRes::Suma);
    case 6:
        return std::make_unique<ActivitatSumRes>(ctx, ActivitatSumRes::Resta);
    case 7:
        return std::make_unique<ActivitatTaules>(ctx);
    case 8:
        return std::make_unique<ActivitatMultiplicar>(ctx);
    case 9:
        return std::make_unique<ActivitatDividir>(ctx);
    default:
        return nullptr;
    }
}

} // namespace FabricaActivitats
