#include "board/ui/Pissarra.h"
#include "core/Arrencada.h"
#include "core/ConfigGeneral.h"
#include "core/IdsText.h"
#include "core/MotiuNoDesat.h"
#include "core/ProgramFolder.h"
#include "core/RecordFile.h"
#include "core/Sessio.h"
#include "core/ui/Escalat.h"
#include "core/ui/Missatges.h"
#include "core/ui/QtSoundPlayer.h"
#include "frontpage/Portada.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <vector>

namespace {

// The language to speak in before General.cfg has been read properly: whatever the file holds,
// read without creating or changing anything.
int idiomaSenseEscriure(const QString& carpeta) {
    const ConfigGeneral c = ConfigGeneral::decode(
        RecordFile::read(ProgramFolder::generalCfg(carpeta), ConfigGeneral::kLength, 1));
    return (c.Idioma >= 0 && c.Idioma <= 3) ? c.Idioma : 0;
}

QString llistaLlocs(const QString& carpeta, const QStringList& llocs) {
    QStringList mostrats;
    for (const QString& lloc : llocs)
        mostrats << QDir::toNativeSeparators(QDir(carpeta).absoluteFilePath(lloc));
    return mostrats.join('\n');
}

// The message that says why the start-up stopped.
int idMissatge(EstatArrencada estat) {
    switch (estat) {
    case EstatArrencada::DadesNoMogudes:
        return IdText::kDadesAntiguesNoMogudes;
    case EstatArrencada::BloqueigFix:
        return IdText::kBloqueigNoSubstituible;
    default:
        return IdText::kNoEsPotEscriure;
    }
}

// Every size drawn for the desktop, so the window manager never scales a picture down.
QIcon iconaPrograma() {
    QIcon icona;
    for (const int mida : {16, 24, 32, 48, 64, 128, 256})
        icona.addFile(QStringLiteral(":/icona/%1x%1/apps/xifrum.png").arg(mida));
    return icona;
}

} // namespace

int main(int argc, char* argv[]) {
    // QApplication takes its own options out of argv; a new start needs them all.
    std::vector<char*> ordre(argv, argv + argc + 1);
    QApplication app(argc, argv);
    Escalat::arrenca(ordre.data());
    QApplication::setApplicationName("XIFRUM");
    // The desktop entry's name lets the desktop tie the windows to the menu entry and its icon.
    QApplication::setDesktopFileName("xifrum");
    QApplication::setWindowIcon(iconaPrograma());

    Sessio sessio;
    const QString carpeta = ProgramFolder::carpetaPrograma();
    Arrencada arrencada(carpeta);
    const ResultatArrencada resultat = arrencada.executa(sessio);
    switch (resultat.estat) {
    case EstatArrencada::Correcta:
        break;
    case EstatArrencada::SegonaCopia:
        return 0;
    case EstatArrencada::NoEscrivible:
    case EstatArrencada::DadesNoMogudes:
    case EstatArrencada::BloqueigFix: {
        const int idioma = idiomaSenseEscriure(carpeta);
        Missatges::Informacio(TextIdioma(idMissatge(resultat.estat), idioma) + "\n\n" +
                                  llistaLlocs(carpeta, resultat.llocs),
                              idioma);
        return 1;
    }
    }

    QtSoundPlayer so(sessio.carpeta);
    Portada portada(sessio, so);
    const auto vista = Escalat::mostra(portada);
    // Shortly after the front page is on screen (not before its first paint), the board's
    // background is drawn while nobody waits: the first board then opens as fast as the next.
    QTimer::singleShot(300, &portada,
                       [&portada] { Pissarra::preparaFons(portada.devicePixelRatioF()); });
    const int codi = QApplication::exec();
    // Only what this copy changed: another computer's later change of another field stays.
    if (!DesarCanvisGeneral(sessio.carpeta, sessio.generalLlegit, sessio.general))
        Missatges::Informacio(sessio.text(IdNoDesat()), sessio.general.Idioma);
    return codi;
}
