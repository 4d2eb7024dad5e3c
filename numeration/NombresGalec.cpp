#include "numeration/NombresIberics.h"

namespace {

constexpr EscalesCardinal kEscales{
    {u" millóns ", u" mil ", u" "}, {u" millón ", u" mil ", u" "}, u" mil ", false};

constexpr ParaulesIberiques kParaules{
    .centenes = {u"", u"cen ", u"dousc", u"tresc", u"catroc", u"quiñ", u"seisc", u"setec", u"oitoc",
                 u"novec"},
    .desenes = {u"", u"", u"", u"trinta", u"corenta", u"cincuenta", u"sesenta", u"setenta",
                u"oitenta", u"noventa"},
    .deus = {u"", u"once", u"doce", u"trece", u"catorce", u"quince", u"dezaseis", u"dezasete",
             u"dezaoito", u"dezanove"},
    .unitatsVint = {u"", u"ún", u"dous", u"trés", u"catro", u"cinco", u"seis", u"sete", u"oito",
                    u"nove"},
    .unitats = {u"", u"un", u"dous", u"tres", u"catro", u"cinco", u"seis", u"sete", u"oito",
                u"nove"},
    .cent = u"cento ",
    .centsFinal = u"entos ",
    .deu = u"dez ",
    .vint = u"vinte ",
    .vintDavant = u"vinte",
    .conjuncio = u" e ",

    .ordCentenes = {u"", u"c", u"duoc", u"tric", u"cuadric", u"quix", u"sexc", u"septix", u"octix",
                    u"nonix"},
    .ordDesenes = {u"", u"", u"vi", u"tri", u"cuadra", u"quincua", u"sesa", u"septua", u"octo",
                   u"nona"},
    .ordUnitats = {u"", u"primeiro", u"segundo", u"terceiro", u"cuarto", u"quinto", u"sexto",
                   u"sétimo", u"oitavo", u"noveno"},
    .decims = {u"décimo", u"undécimo", u"duodécimo"},
    .desenaFinal = u"xésimo ",
    .ordDeu = u"décimo ",
    .ordDeuDavantVuit = u"décimo ",
};

} // namespace

const LlenguaNombres& nombresGalec() {
    static const LlenguaIberica kGalec(u"cero", kEscales, kParaules);
    return kGalec;
}
