#include "records/ImportaLlista.h"

#include "core/Csv.h"
#include "core/TextUtil.h"
#include "records/EdicioRegistres.h"

#include <QSet>

#include <utility>

namespace {

// Lower case, without accents: "Alumne", "ALUMNE" and "Alúmne" read alike.
QString pla(const QString& text) {
    QString s;
    for (QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            s += c.toLower();
    return s;
}

bool buida(const QStringList& fila) {
    for (const QString& c : fila)
        if (!c.trimmed().isEmpty())
            return false;
    return true;
}

} // namespace

namespace ImportaLlista {

bool esCapcalera(const QString& cella) {
    static const QSet<QString> kParaules = {
        "nom",      "noms",     "nombre",  "nombres",  "nome",     "nomes",    "izena",
        "izenak",   "name",     "names",   "alumne",   "alumnes",  "alumna",   "alumnas",
        "alumno",   "alumnos",  "alumnat", "alumnado", "ikaslea",  "ikasleak", "ikasle",
        "pupil",    "pupils",   "student", "students", "cognoms",  "cognom",   "apellidos",
        "apelidos", "abizenak", "surname", "surnames", "llinatges"};
    const QString s = pla(cella.trimmed());
    qsizetype fi = 0;
    while (fi < s.size() && s.at(fi).isLetter())
        ++fi;
    return kParaules.contains(s.left(fi));
}

Pla planifica(const QByteArray& bytes, const QList<FilaAlumne>& llista, bool csv) {
    const QString text = Csv::decode(bytes);
    QChar separador = Csv::guessSeparator(text);
    if (!csv && separador == u',')
        separador = u';';

    // Names are told apart as the teacher reads them: a name typed in other case is the same
    // pupil.
    QSet<QString> presos;
    for (const FilaAlumne& f : llista)
        presos << TextUtil::trimSpaces(f.value(LlistaAlumnes::kColNom)).toUpper();

    Pla pla;
    QList<FilaAlumne> totes = llista;
    bool primera = true;
    const QList<QStringList> files = Csv::parse(text, separador);
    for (int i = 0; i < files.size(); ++i) {
        const QStringList& fila = files[i];
        if (buida(fila))
            continue;
        const QString cella = fila.value(0);
        const auto omet = [&](const QString& nom, Motiu motiu) {
            pla.omesos << Omes{i + 1, nom, motiu};
        };
        if (std::exchange(primera, false) && esCapcalera(cella)) {
            omet(cella.trimmed(), Motiu::Capcalera);
            continue;
        }
        const QString nom = EdicioRegistres::nomNou(cella);
        switch (EdicioRegistres::nomRefusat(nom)) {
        case EdicioRegistres::Resultat::Desat:
            break;
        case EdicioRegistres::Resultat::SenseNom:
            omet(nom, Motiu::Buit);
            continue;
        default:
            omet(nom, Motiu::NoValid);
            continue;
        }
        if (presos.contains(nom.toUpper())) {
            omet(nom, Motiu::JaHiEs);
            continue;
        }
        if (!LlistaAlumnes::potAfegir(totes.size())) {
            omet(nom, Motiu::Limit);
            continue;
        }
        Registre r;
        r.Numero = uint8_t(EdicioRegistres::numeroNou(totes));
        r.Nom = nom;
        r.Nivell.fill(1);
        const FilaAlumne nova = LlistaAlumnes::fila(r, LlistaAlumnes::posicioNova(totes));
        totes << nova;
        pla.nous << nova;
        presos << nom.toUpper();
    }
    return pla;
}

} // namespace ImportaLlista
