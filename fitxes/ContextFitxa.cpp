#include "fitxes/ContextFitxa.h"

ContextFitxa::ContextFitxa(TipusActivitat activitat, const DadesNivell& nivell, uint32_t llavor,
                           int idioma, int separador, bool ambResta)
    : nivell_(ajustaAlsRangs(numero(activitat), nivell)), idioma_(idioma), separador_(separador),
      ambResta_(ambResta), atzar_(llavor) {}
