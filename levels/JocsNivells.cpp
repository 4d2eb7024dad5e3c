#include "levels/JocsNivells.h"

#include "core/DigitGrouping.h"
#include "core/FileLock.h"

#include "core/DiskSync.h"
#include "core/IdsText.h"
#include "core/MotiuNoDesat.h"
#include "core/ProgramFolder.h"
#include "core/Rutes.h"
#include "core/SafeName.h"
#include "core/Sessio.h"
#include "core/TextUtil.h"
#include "core/Win1252.h"
#include "levels/FitxerNivells.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// The longest name a file can have on the file systems the program runs on, in bytes.
constexpr int kMaxFileNameBytes = 255;
constexpr int kBytesExtensio = 4; // ".niv" / ".ni2"

bool enWin1252(const QString& text) {
    return Win1252::decode(Win1252::encode(text)) == text;
}

// Whether `nom` can name a set: short enough for a file name with its extension, and held
// unchanged by a group's record (NomNivell, Windows-1252 in a fixed field), since a group finds
// its set again by that field alone.
bool nomCap(const QString& nom) {
    return int(QFile::encodeName(nom).size()) + kBytesExtensio <= kMaxFileNameBytes &&
           enWin1252(nom) && Win1252::encode(nom).size() <= ConfigGrup::kAmpleNomNivell;
}

// "N (k)", N shortened as far as the name needs to fit; a character the group's record cannot
// hold (in a set named outside the program) becomes "_".
QString nomCopia(const QString& n, int k) {
    QString base;
    for (const char32_t c : n.toUcs4()) {
        const QString u = QString::fromUcs4(&c, 1);
        base += enWin1252(u) ? u : QStringLiteral("_");
    }
    const QString sufix = " (" + QString::number(k) + ")";
    while (!base.isEmpty() && !nomCap(base + sufix))
        base.chop(1);
    return TextUtil::trimSpaces(TextUtil::trimSpaces(base) + sufix);
}

// Moves `origen` over `desti` in one step: rename(2) replaces the target as it moves, so there is
// no moment with neither file, and a failure leaves both as they were. (QFile::rename never
// replaces; removing the target first would lose it whenever the move then failed.)
bool mouFitxer(const QString& origen, const QString& desti) {
    if (std::rename(QFile::encodeName(origen).constData(), QFile::encodeName(desti).constData()))
        return false;
    DiskSync::folderOf(desti);
    return true;
}

// Copies the file `origen` over `desti`. The copy is written beside `desti` and moved over it, so
// `desti` holds its old bytes or the whole copy, never a part and never nothing.
bool copiaFitxer(const QString& origen, const QString& desti) {
    QFile entrada(origen);
    if (!QFileInfo(origen).isFile() || !entrada.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = entrada.readAll();
    if (entrada.error() != QFileDevice::NoError)
        return false;
    QTemporaryFile copia(desti + QStringLiteral(".XXXXXX"));
    if (!copia.open() || copia.write(bytes) != bytes.size() || !DiskSync::file(copia))
        return false;
    copia.setPermissions(entrada.permissions());
    if (!mouFitxer(copia.fileName(), desti))
        return false;
    copia.setAutoRemove(false);
    return true;
}

// Removes `ruta`; true also when there was nothing to remove.
bool esborra(const QString& ruta) {
    return QFile::remove(ruta) || !QFileInfo(ruta).exists();
}

// The number the text starts with, as the grid's numeric cells are read: leading blanks, an
// optional sign, then digits; held to the 32-bit range however many digits follow.
qint64 valorCella(const QString& text) {
    const QString t = TextUtil::trimSpaces(text);
    qsizetype i = 0;
    bool negatiu = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negatiu = t[i++] == u'-';
    qint64 v = 0;
    for (; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i)
        v = std::min<qint64>(v * 10 + (t[i].unicode() - u'0'), qint64(1) << 32);
    return negatiu ? -v : v;
}

int16_t a16(qint64 v) {
    return int16_t(std::clamp<qint64>(v, std::numeric_limits<int16_t>::min(),
                                      std::numeric_limits<int16_t>::max()));
}

int32_t a32(qint64 v) {
    return int32_t(std::clamp<qint64>(v, std::numeric_limits<int32_t>::min(),
                                      std::numeric_limits<int32_t>::max()));
}

// The numeration activities show their numbers with the thousands separator.
bool ambSeparadors(int a) {
    return esNumeracio(tipusActivitat(a));
}

// The sums' second parameter, carrying, is shown as "Sí" or "No".
bool ambSiNo(int a) {
    const TipusActivitat tipus = tipusActivitat(a);
    return tipus == TipusActivitat::Sumar || tipus == TipusActivitat::Restar;
}

} // namespace

JocsNivells::JocsNivells(Sessio& sessio, Pregunta pregunta, Missatge missatge, Graella graella)
    : sessio_(sessio), pregunta_(std::move(pregunta)), missatge_(std::move(missatge)),
      graella_(std::move(graella)) {}

QString JocsNivells::rutaNiv(const QString& nom) const {
    return RutaNivell(sessio_.carpeta, nom);
}

QString JocsNivells::rutaNi2(const QString& nom) const {
    return RutaCopiaNivell(sessio_.carpeta, nom);
}

QString JocsNivells::text(int id) const {
    return sessio_.text(id);
}

void JocsNivells::avisa(int id) {
    if (missatge_)
        missatge_(text(id));
}

void JocsNivells::Obre() {
    activitatActual_ = 1;
    nivellsMostrats();
    llista_ = llistaFitxers(sessio_.carpeta);
    const QString nomGrup = TextUtil::trimSpaces(sessio_.grup.NomNivell);
    const int posicio = std::max<int>(0, int(llista_.indexOf(nomGrup)));
    if (llista_.isEmpty())
        llista_.append(text(IdText::kNivellGeneric));
    jocObert_.clear();
    modificat_ = false;
    Selecciona(posicio);
}

bool JocsNivells::Selecciona(int index) {
    if (index < 0 || index >= llista_.size())
        return false;
    const QString nom = llista_[index];
    // Reopening the open set takes the backup afresh; with changes pending that would make the
    // edits already written at tab switches permanent and lose the group's, so they are settled
    // first, as for any other set.
    if (!jocObert_.isEmpty() && (nom != jocObert_ || modificat_) && !ArxivarConfig())
        return false;
    seleccionat_ = index;
    ObreJoc(nom);
    return true;
}

void JocsNivells::ObreJoc(const QString& nom) {
    jocObert_ = nom;
    ++obertures_;
    copiaGrup_ = sessio_.grup;
    modificat_ = false;
    prenCopia();
}

bool JocsNivells::prenCopia() {
    FileLock bloqueig(RutaBloqueig(sessio_.carpeta, rutaNiv(jocObert_)));
    copia_ = bloqueig.lock() && FitxerNivells::creaSiFalta(rutaNiv(jocObert_)) &&
             copiaFitxer(rutaNiv(jocObert_), rutaNi2(jocObert_));
    // Without a copy the set is still shown and edited, but "No" will have nothing to restore.
    if (!copia_)
        avisa(IdNoDesat());
    return copia_;
}

bool JocsNivells::PrenCopiaSeguretat() {
    if (jocObert_.isEmpty() || modificat_)
        return false;
    copiaGrup_ = sessio_.grup;
    return prenCopia();
}

DadesNivell JocsNivells::llegeixFila(int a, const FilaGraella& fila) const {
    DadesNivell d;
    d.Temps = a16(valorCella(fila[0]));
    d.Fer = a16(valorCella(fila[1]));
    d.Errors = a16(valorCella(fila[2]));
    if (ambSeparadors(a)) {
        d.Parametre1 = a32(valorCella(NomesXifres(fila[3])));
        d.Parametre2 = a32(valorCella(NomesXifres(fila[4])));
    } else {
        d.Parametre1 = a32(valorCella(fila[3]));
        if (ambSiNo(a))
            d.Parametre2 = TextUtil::trimSpaces(fila[4]) == text(IdText::kSi) ? 1 : 0;
        else
            d.Parametre2 = a32(valorCella(fila[4]));
    }
    return ajustaAlsRangs(a, d);
}

bool JocsNivells::DesaActivitat(const QList<FilaGraella>& files) {
    if (jocObert_.isEmpty())
        return true;
    const int a = activitatActual_;
    const int n = std::min<int>(nivellsMostrats(), int(files.size()));
    const QString ruta = rutaNiv(jocObert_);
    // Only the shown activity's records are written, all under one lock: another computer's edit
    // of another activity of the same set stays, and of this one the last writer's stays whole.
    FileLock bloqueig(RutaBloqueig(sessio_.carpeta, ruta));
    if (!bloqueig.lock())
        return false;
    for (int l = 1; l <= n; ++l)
        if (!FitxerNivells::escriu(ruta, IndexNivell(a, l), llegeixFila(a, files[l - 1])))
            return false;
    return true;
}

bool JocsNivells::ArxivarConfig() {
    if (jocObert_.isEmpty())
        return true;
    if (!modificat_) {
        QFile::remove(rutaNi2(jocObert_));
        copia_ = false;
        return true;
    }
    const bool si = pregunta_ ? pregunta_(text(IdText::kArxivarCanvis)) : false;
    if (ocupat_)
        ocupat_(true);
    bool fet = true;
    if (si) {
        // The set first and the group record last: until both are stored the backup stays, so
        // a later "No" can still put back what a half-done "Sí" wrote.
        fet =
            DesaActivitat(graella_ ? graella_() : QList<FilaGraella>{}) &&
            DesarCanvisGrup(sessio_.carpeta, sessio_.general.GrupActual, copiaGrup_, sessio_.grup);
        if (fet) {
            QFile::remove(rutaNi2(jocObert_));
            copia_ = false;
        }
    } else {
        sessio_.grup = copiaGrup_;
        // Without a backup (or when it cannot be moved back) the file stays as it is, holding
        // the edits written at tab switches; it is never removed without a copy in its place.
        FileLock bloqueig(RutaBloqueig(sessio_.carpeta, rutaNiv(jocObert_)));
        fet = copia_ && bloqueig.lock() && mouFitxer(rutaNi2(jocObert_), rutaNiv(jocObert_));
        copia_ = false;
    }
    if (ocupat_)
        ocupat_(false);
    if (!fet)
        avisa(IdNoDesat());
    // A failed "No" is as far as the set can go back: asking again would change nothing.
    if (fet || !si)
        modificat_ = false;
    return !modificat_;
}

bool JocsNivells::CanviaActivitat(int a) {
    if (a < 1 || a > kActivitats)
        return false;
    if (modificat_ && !DesaActivitat(graella_ ? graella_() : QList<FilaGraella>{})) {
        avisa(IdNoDesat());
        return false;
    }
    activitatActual_ = a;
    nivellsMostrats();
    return true;
}

int JocsNivells::nivellsMostrats() {
    uint8_t& n = sessio_.grup.Nivells[activitatActual_ - 1];
    if (n == 0 || n > kNivellsPerActivitat)
        n = kNivellsPerActivitat;
    return n;
}

FilaGraella JocsNivells::fila(int a, int nivell) const {
    return filaDe(a, FitxerNivells::llegeix(rutaNiv(jocObert_), IndexNivell(a, nivell)));
}

FilaGraella JocsNivells::filaDe(int a, const DadesNivell& dades) const {
    const DadesNivell d = ajustaAlsRangs(a, dades);
    FilaGraella f{QString::number(d.Temps), QString::number(d.Fer), QString::number(d.Errors),
                  QString::number(d.Parametre1), QString::number(d.Parametre2)};
    if (ambSeparadors(a)) {
        f[3] = DigitGrouping::FormataNombre(d.Parametre1, sessio_.general.Separador);
        f[4] = DigitGrouping::FormataNombre(d.Parametre2, sessio_.general.Separador);
    } else if (ambSiNo(a)) {
        f[4] = text(d.Parametre2 == 1 ? IdText::kSi : IdText::kNo);
    }
    return f;
}

QList<FilaGraella> JocsNivells::CarregaActivitat() {
    QList<FilaGraella> files;
    const int n = nivellsMostrats();
    for (int l = 1; l <= n; ++l)
        files.append(fila(activitatActual_, l));
    return files;
}

std::optional<FilaGraella> JocsNivells::MesNivells() {
    const int n = nivellsMostrats();
    if (n >= kNivellsPerActivitat)
        return std::nullopt;
    sessio_.grup.Nivells[activitatActual_ - 1] = uint8_t(n + 1);
    modificat_ = true;
    return fila(activitatActual_, n + 1);
}

bool JocsNivells::MenysNivells() {
    const int n = nivellsMostrats();
    if (n <= 1)
        return false;
    sessio_.grup.Nivells[activitatActual_ - 1] = uint8_t(n - 1);
    modificat_ = true;
    return true;
}

bool JocsNivells::CanviaIncloure(bool inclosa) {
    QByteArray actual = sessio_.grup.Activitats;
    if (actual.size() < kActivitats)
        actual.append(QByteArray(kActivitats - actual.size(), '0'));
    const QByteArray nou = CanviaCaracter(inclosa ? '1' : '0', actual, activitatActual_);
    // Any character but "1" hides an activity, so a text with no "1" is as empty as "000000000".
    if (!nou.contains('1')) {
        if (missatge_)
            missatge_(text(IdText::kAlMenysUnaActivitat));
        return false;
    }
    if (nou != sessio_.grup.Activitats) {
        sessio_.grup.Activitats = nou;
        modificat_ = true;
    }
    return true;
}

void JocsNivells::CanviaOpcResta(bool ambResta) {
    sessio_.grup.OpcResta = ambResta ? 1 : 0;
    modificat_ = true;
}

void JocsNivells::seleccionaNou(const QString& nom) {
    llista_.append(nom);
    Selecciona(int(llista_.size()) - 1);
}

bool JocsNivells::EntraNom(const QString& textNom, Opcio opcio) {
    const QString nom = TextUtil::trimSpaces(textNom);
    if (!SafeName::isValid(nom) || !nomCap(nom)) {
        avisa(IdText::kNomNoValid);
        return false;
    }
    if (QFileInfo::exists(rutaNiv(nom))) {
        avisa(IdText::kFitxerExisteix);
        return false;
    }
    if (opcio == Opcio::Afegir) {
        // The entry appears only for a set that exists.
        if (!FitxerNivells::creaSiFalta(rutaNiv(nom))) {
            avisa(IdText::kNoEsPotEscriure);
            return false;
        }
        seleccionaNou(nom);
        return true;
    }
    if (jocObert_.isEmpty())
        return false;
    // Moving rather than copying and deleting, so no failure leaves the set without a file. The
    // backup goes first: when the set's own file then cannot follow, the backup goes back.
    const QString ni2 = rutaNi2(jocObert_);
    if (copia_ && !mouFitxer(ni2, rutaNi2(nom))) {
        avisa(IdText::kNoEsPotEscriure);
        return false;
    }
    if (!mouFitxer(rutaNiv(jocObert_), rutaNiv(nom))) {
        copia_ = copia_ && mouFitxer(rutaNi2(nom), ni2);
        avisa(IdText::kNoEsPotEscriure);
        return false;
    }
    if (seleccionat_ >= 0 && seleccionat_ < llista_.size())
        llista_[seleccionat_] = nom;
    jocObert_ = nom;
    return true;
}

bool JocsNivells::Duplica() {
    if (seleccionat_ < 0 || seleccionat_ >= llista_.size())
        return false;
    const QString n = llista_[seleccionat_];
    QString m;
    for (int k = 1;; ++k) {
        m = nomCopia(n, k);
        if (!QFileInfo::exists(rutaNiv(m)))
            break;
    }
    // A copy that failed would be opened as a new set of defaults, passing for the duplicate.
    if (!copiaFitxer(rutaNiv(n), rutaNiv(m))) {
        avisa(IdText::kNoEsPotEscriure);
        return false;
    }
    // Opening the copy takes its own backup, so this one may fail unnoticed.
    copiaFitxer(rutaNi2(n), rutaNi2(m));
    seleccionaNou(m);
    return true;
}

bool JocsNivells::Elimina() {
    if (!pregunta_ || !pregunta_(text(IdText::kEliminarNivell)))
        return false;
    // A set whose file stays would come back in the list at the next opening.
    if (!esborra(rutaNiv(jocObert_))) {
        avisa(IdText::kNoEsPotEscriure);
        return false;
    }
    QFile::remove(rutaNi2(jocObert_));
    if (seleccionat_ >= 0 && seleccionat_ < llista_.size())
        llista_.removeAt(seleccionat_);
    // The group's pending edits go with the set's: what stays in memory is what was there when
    // the set was opened.
    sessio_.grup = copiaGrup_;
    modificat_ = false;
    if (llista_.isEmpty())
        llista_.append(text(IdText::kNivellGeneric));
    Selecciona(0);
    return true;
}

QStringList JocsNivells::llistaFitxers(const QString& carpeta) {
    const QDir dir(ProgramFolder::path(carpeta, ProgramFolder::kNiv));
    const QStringList fitxers = dir.entryList(
        {"*.niv"}, QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    QStringList noms;
    for (const QString& f : fitxers) {
        const QString nom = f.chopped(4);
        if (!nom.isEmpty() && SafeName::fileName(nom) == nom)
            noms.append(nom);
    }
    std::sort(noms.begin(), noms.end(), [](const QString& x, const QString& y) {
        const int c = x.compare(y, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : x < y;
    });
    return noms;
}

QString JocsNivells::NomesXifres(const QString& text) {
    QString out;
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            out += c;
    return out;
}
