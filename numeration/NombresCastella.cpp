#include "numeration/NombresIberics.h"

namespace {

constexpr EscalesCardinal kEscales{
    {u" millones ", u" mil ", u" "}, {u" millón ", u" mil ", u" "}, u" mil ", false};

constexpr ParaulesIberiques kParaules{
    .centenes = {u"", u"cien ", u"dosc", u"tresc", u"cuatroc", u"quin", u"seisc", u"setec",
                 u"ochoc", u"novec"},
    .desenes = {u"", u"", u"", u"treinta", u"cuarenta", u"cincuenta", u"sesenta", u"setenta",
                u"ochenta", u"noventa"},
    .deus = {u"", u"once", u"doce", u"trece", u"catorce", u"quince", u"dieciséis", u"diecisiete",
             u"dieciocho", u"diecinueve"},
    .unitatsVint = {u"", u"uno", u"dós", u"trés", u"cuatro", u"cinco", u"séis", u"siete", u"ocho",
                    u"nueve"},
    .unitats = {u"", u"uno", u"dos", u"tres", u"cuatro", u"cinco", u"seis", u"siete", u"ocho",
                u"nueve"},
    .cent = u"ciento ",
    .centsFinal = u"ientos ",
    .deu = u"diez ",
    .vint = u"veinte ",
    .vintDavant = u"veinti",
    .conjuncio = u" y ",

    .ordCentenes = {u"", u"c", u"duoc", u"tric", u"cuadric", u"quincuac", u"sexc", u"septing",
                    u"octing", u"noning"},
    .ordDesenes = {u"", u"", u"vi", u"tri", u"quadra", u"quincua", u"sexa", u"septua", u"octo",
                   u"nona"},
    .ordUnitats = {u"", u"primero", u"segundo", u"tercero", u"cuarto", u"quinto", u"sexto",
                   u"séptimo", u"octavo", u"noveno"},
    .decims = {u"décimo", u"undécimo", u"duodécimo"},
    .desenaFinal = u"gésimo ",
    .ordDeu = u"decimo",
    .ordDeuDavantVuit = u"decim",
};

} // namespace

const LlenguaNombres& nombresCastella() {
    static const LlenguaIberica kCastella(u"cero", kEscales, kParaules);
    return kCastella;
}
