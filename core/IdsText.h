#pragma once

// The string-table ids the program names, by what the text says (the Catalan text beside each).
// Ranges of ids that follow a number are given by their first id and a function.
namespace IdText {

// Titles
inline constexpr int kPrograma = 2;            // "XIFRUM 5.0"
inline constexpr int kSubtitol = 3;            // "Quadern de matemàtiques per a primària"
inline constexpr int kData = 4;                // "Setembre 2001"
inline constexpr int kPortada = 5;             // "Portada", then the activities 6..14
inline constexpr int kActivitats = 15;         // "Activitats"
inline constexpr int kNumeracio = 16;          // "Numeració"
inline constexpr int kCalcul = 17;             // "Càlcul"
inline constexpr int kNumero = 18;             // "Número"
inline constexpr int kNom = 19;                // "Nom"
inline constexpr int kNivell = 20;             // "Nivell"
inline constexpr int kAfegintRegistres = 21;   // "Afegint registres...", then editing, deleting
inline constexpr int kEliminarRegistres = 24;  // "Eliminar definitivament els registres?"
inline constexpr int kClauActual = 25;         // "Contrasenya actual"
inline constexpr int kNovaClau = 26;           // "Nova contrasenya"
inline constexpr int kDemanarClau = 27;        // "Demanar contrasenya"
inline constexpr int kClauAcces = 28;          // "Clau d'accés"
inline constexpr int kAssignarNivell = 29;     // "Assignar nivell"
inline constexpr int kNivellActual = 30;       // "Nivell actual"
inline constexpr int kNivellsDisponibles = 31; // "Nivells disponibles"
inline constexpr int kNouNivell = 32;          // "Nou nivell"
inline constexpr int kNivellGeneric = 33;      // "Nivell genèric"
inline constexpr int kSi = 34;                 // "Sí"
inline constexpr int kNo = 35;                 // "No"

// The level editor and its report
inline constexpr int kXifres = 36;              // "Xifres"
inline constexpr int kPortantSe = 37;           // "Portant-se"
inline constexpr int kPrimera = 38;             // "Primera"
inline constexpr int kUltima = 39;              // "Última"
inline constexpr int kEditarNivells = 40;       // "Editar nivells"
inline constexpr int kNivells = 41;             // "Nivells"
inline constexpr int kNivellColumna = 42;       // "Nivell", the report's column
inline constexpr int kTemps = 43;               // "Temps", also a history result
inline constexpr int kFer = 44;                 // "Fer"
inline constexpr int kErrors = 45;              // "Errors", also a history result
inline constexpr int kInferior = 46;            // "Inferior"
inline constexpr int kSuperior = 47;            // "Superior"
inline constexpr int kArxivarCanvis = 50;       // "Arxivar els canvis?"
inline constexpr int kDividend = 51;            // "Dividend"
inline constexpr int kDivisor = 52;             // "Divisor"
inline constexpr int kMultiplicand = 53;        // "Multiplicand"
inline constexpr int kMultiplicador = 54;       // "Multiplicador"
inline constexpr int kActivitatInclosa = 55;    // "Activitat inclosa al quadern"
inline constexpr int kAmbResta = 56;            // "Amb resta"
inline constexpr int kSeparadorMilers = 57;     // "Separador de milers"
inline constexpr int kPunt = 58;                // "Punt", then "Espai", "Cap"
inline constexpr int kAlMenysUnaActivitat = 61; // "El quadern ha de tenir al menys una activitat!"

// The board
inline constexpr int kClicQuanAcabis = 67;      // "FES CLIC AQUÍ QUAN ACABIS D'ORDENAR"
inline constexpr int kNoDemanisAjuda = 68;      // "Procura no demanar ajuda!"
inline constexpr int kOperacioFinalitzada = 71; // "Operació finalitzada!"
inline constexpr int kLlistaDesordenada = 72;   // "La llista no està ben ordenada!"
inline constexpr int kNoHasMillorat = 75;       // "Ho sento! No has millorat el nivell."
inline constexpr int kMassaErrors = 76;         // "Massa errors! No millores el nivell."
inline constexpr int kHasArribatAlFinal = 77;   // "Molt bé! Has arribat al final."
inline constexpr int kHasSuperat = 78;          // "Enhorabona! Has superat la prova."
inline constexpr int kEsperar = 88;             // "Esperar"
inline constexpr int kNoEsperar = 89;           // "No esperar"
inline constexpr int kAjuda = 90;               // "Ajuda"
inline constexpr int kEspai = 202;              // "Espai", the extra key

// Buttons and columns
inline constexpr int kPagina = 79;     // "Pàgina"
inline constexpr int kSortir = 80;     // " Sortir "
inline constexpr int kAfegir = 81;     // "Afegir"
inline constexpr int kAcceptar = 82;   // "Acceptar"
inline constexpr int kEditar = 83;     // "Editar"
inline constexpr int kAnterior = 84;   // "Anterior"
inline constexpr int kSeguent = 85;    // "Següent"
inline constexpr int kEliminar = 86;   // "Eliminar"
inline constexpr int kCancellar = 87;  // "Cancel·lar"
inline constexpr int kNum = 91;        // "Núm", the list's column
inline constexpr int kNomColumna = 92; // "Nom", the list's column; the groups follow
inline constexpr int kDuplicar = 150;  // "Duplicar"
inline constexpr int kImprimir = 400;  // "Imprimir"

// Messages
inline constexpr int kErrorImprimir = 109;          // "Error en imprimir"
inline constexpr int kLlistaPlena = 110;            // "La llista no admet més registres!"
inline constexpr int kActivitatSuperada = 111;      // "Aquesta activitat ja l'has superada!"
inline constexpr int kNomImprescindible = 112;      // "És imprescindible el nom!"
inline constexpr int kGrupSenseNivell = 113;        // "Aquest grup no té assignat un nivell"
inline constexpr int kClauIncorrecta = 114;         // "La clau és incorrecta"
inline constexpr int kNivellNoTrobat = 115;         // "No s'ha trobat el nivell d'aquest grup"
inline constexpr int kEliminarNivell = 116;         // "Eliminar definitivament el nivell?"
inline constexpr int kNomNoValid = 117;             // "El nom de fitxer no és vàlid"
inline constexpr int kFitxerExisteix = 118;         // "El fitxer ja existeix"
inline constexpr int kNoEsPotEscriure = 120;        // "No es pot crear la carpeta de dades ..."
inline constexpr int kDadesAntiguesNoMogudes = 121; // "No s'han pogut traslladar les dades ..."
inline constexpr int kNivellIllegible = 122;        // "No es pot llegir el nivell d'aquest grup."
inline constexpr int kBloqueigNoSubstituible = 123; // "No es pot substituir el fitxer que ..."

// Tool tips of the front page and the history viewer
inline constexpr int kSortirDelPrograma = 170; // " Sortir del programa "
inline constexpr int kEinaNivells = 171;       // " Editar nivells de dificultat "
inline constexpr int kEinaClau = 172;          // " Modificar la clau d'accés "
inline constexpr int kEinaIdioma = 173;        // " Canviar l'idioma "
inline constexpr int kEinaAfegir = 174;        // " Afegir un nou registre "
inline constexpr int kEinaEditar = 175;        // " Editar un registre existent "
inline constexpr int kEinaEliminar = 176;      // " Eliminar un registre "
inline constexpr int kEinaHistorial = 177;     // " Veure l'historial"
inline constexpr int kEinaLlistat = 178;       // " Imprimir el llistat "
inline constexpr int kEinaAssignar = 179;      // " Assignar nivell al grup "
inline constexpr int kDesarHistorial = 180;    // " Desar l'historial "
inline constexpr int kCopiarHistorial = 181;   // " Copiar al portapapers "
inline constexpr int kImprimirHistorial = 182; // " Imprimir l'historial "
inline constexpr int kBuidarHistorial = 183;   // " Buidar l'historial "

// The records editor's picture, the history
inline constexpr int kImatgeIdentificativa = 200; // "Imatge identificativa"
inline constexpr int kFitxersGrafics = 201;       // "Fitxers gràfics|*.bmp;*.gif"
inline constexpr int kHistorial = 250;            // "Historial"
inline constexpr int kDataColumna = 251;          // "Data"
inline constexpr int kResultat = 252;             // "Resultat"
inline constexpr int kAcaba = 300;                // "Acaba"
inline constexpr int kSuperat = 301;              // "Superat"
inline constexpr int kAbandona = 302;             // "Abandona"

// The history figures' period
inline constexpr int kPeriode = 405;              // "Període"
inline constexpr int kPeriodeTot = 406;           // "Tot"
inline constexpr int kPeriodeTrimestre = 407;     // "Aquest trimestre"
inline constexpr int kPeriodeDarrers30Dies = 408; // "Darrers 30 dies"
inline constexpr int kPeriodeEntreDates = 409;    // "Entre dues dates"

// The class overview
inline constexpr int kResumClasse = 410;      // "Resum de la classe"
inline constexpr int kEinaResum = 411;        // " Veure el resum de la classe "
inline constexpr int kSeries = 412;           // "Sèries"
inline constexpr int kSuperades = 413;        // "Superades"
inline constexpr int kPercentSuperades = 414; // "% superades"
inline constexpr int kTempsTotal = 415;       // "Temps total"
inline constexpr int kDarrerDia = 416;        // "Darrer dia"
inline constexpr int kExportar = 417;         // "Exportar"
inline constexpr int kTancar = 418;           // "Tancar"
inline constexpr int kFullCalcul = 419;       // "Full de càlcul CSV"
inline constexpr int kNivellCsv = 420;        // "%1 (nivell de %2; %3 = acabada)"

// The worksheets
inline constexpr int kTotaLaLlista = 421;     // "Tota la llista"
inline constexpr int kExercicis = 422;        // "Exercicis"
inline constexpr int kAmbSolucions = 423;     // "Amb les solucions"
inline constexpr int kLlavor = 424;           // "Llavor"
inline constexpr int kSolucions = 425;        // "Solucions"
inline constexpr int kPersianaPrograma = 426; // "Eines del programa": the bottom blind
inline constexpr int kPersianaLlista = 427;   // "Eines de la llista": the side blind
inline constexpr int kResposta = 428;         // "Resposta": the board's answer so far
inline constexpr int kPersiana = 429;         // "Persiana": the board's blind
inline constexpr int kEinaFitxes = 475;       // " Preparar fitxes d'exercicis "
inline constexpr int kFitxes = 476;           // "Fitxes d'exercicis"
inline constexpr int kPerA = 477;             // "Per a"
inline constexpr int kAlumneTriat = 478;      // "L'alumne triat"
inline constexpr int kUnsQuantsAlumnes = 479; // "Uns quants alumnes"

// The progress chart of one pupil
inline constexpr int kProgres = 435;            // "Progrés"
inline constexpr int kActivitat = 436;          // "Activitat"
inline constexpr int kSuperada = 437;           // "Superada", then the errors, time, abandoned
inline constexpr int kOrdreDeJoc = 441;         // "Sèries, en l'ordre en què es van jugar"
inline constexpr int kSenseSeries = 442;        // "Aquest alumne encara no té cap sèrie ..."
inline constexpr int kSenseSeriesPeriode = 443; // "No hi ha cap sèrie d'aquesta activitat ..."
inline constexpr int kTriaAltrePeriode = 444;   // "Trieu un altre període o una altra ..."

// Importing a class list into the records editor
inline constexpr int kImportar = 450;            // "Importar"
inline constexpr int kImportarLlista = 451;      // "Importar una llista d'alumnes"
inline constexpr int kLlistesAlumnes = 452;      // "Llistes d'alumnes", the file dialog's filter
inline constexpr int kSafegiran = 453;           // "S'afegiran (%1)"
inline constexpr int kNoSafegiran = 454;         // "No s'afegiran (%1)"
inline constexpr int kFila = 455;                // "Fila"
inline constexpr int kMotiu = 456;               // "Motiu"
inline constexpr int kFilaCapcalera = 457;       // "Fila de capçalera"
inline constexpr int kJaEsALaLlista = 458;       // "Ja és a la llista"
inline constexpr int kSenseNom = 459;            // "Sense nom"
inline constexpr int kNoEsPotLlegirFitxer = 460; // "No es pot llegir el fitxer."

// One program folder shared by several computers
inline constexpr int kDadesOcupades = 490;               // "Un altre ordinador està desant ..."
inline constexpr int kNivellCanviatAltreOrdinador = 491; // "Un altre ordinador ha canviat ..."

// The language window
inline constexpr int kCatala = 480;             // "Català", then the other languages
inline constexpr int kIdiomaActual = 496;       // "Idioma actual"
inline constexpr int kIdiomesDisponibles = 497; // "Idiomes disponibles"
inline constexpr int kIdiomaTriat = 498;        // "Idioma triat"
inline constexpr int kIdiomaAplicacio = 499;    // "Idioma de l'aplicació"

// The name of activity 1..9 ("Cardinals" .. "Dividir").
constexpr int activitat(int a) {
    return kPortada + a;
}
// The name of group 1..16 ("Dofins" .. "Girafes").
constexpr int grup(int g) {
    return kNomColumna + g;
}

} // namespace IdText
