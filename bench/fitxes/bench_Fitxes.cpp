// How long a class's worksheets take: 30 pupils, each at their own level of one activity, each
// sheet followed by its answer key, drawn, laid out and painted into one PDF, for every activity.
// The goal is under a second for any activity. Build in Release with -DXIFRUM_BENCH=ON and run
// bench_fitxes [FOLDER]; with a folder, each activity's PDF is left there (fitxes-1.pdf ..
// fitxes-9.pdf) to be looked at.
#include "core/IdsText.h"
#include "core/StringTable.h"
#include "fitxes/DisposicioFitxa.h"
#include "fitxes/EncarrecFitxes.h"
#include "fitxes/ui/PintaFitxa.h"
#include "levels/NivellsPerDefecte.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kAlumnes = 30;
constexpr int kRepeticions = 3;

EncarrecFitxes::Peticio peticio(TipusActivitat activitat) {
    EncarrecFitxes::Peticio p;
    p.activitat = activitat;
    p.solucions = true;
    p.llavor = 20261207;
    p.ambResta = activitat == TipusActivitat::Dividir;
    p.grup = QStringLiteral("Dofins");
    p.nomActivitat = TextIdioma(IdText::activitat(numero(activitat)), 0);
    p.paraulaNivell = QStringLiteral("Nivell");
    p.titolSolucions = QStringLiteral("Solucions");
    p.pagina = QStringLiteral("Pàgina");
    p.data = QStringLiteral("07/12/2026");
    for (int a = 0; a < kAlumnes; ++a) {
        const int nivell = 1 + (a + 3) % kNivellsPerActivitat; // the first pupil at level 4
        p.fulls << EncarrecFitxes::Full{
            QStringLiteral("Alumne %1").arg(a + 1), nivell,
            ajustaAlsRangs(numero(activitat),
                           NivellsPerDefecte::nivell(numero(activitat), nivell))};
    }
    // As many exercises as the fullest sheet holds: the heaviest print of the activity.
    p.exercicis = 999;
    return p;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    QTemporaryDir temporal;
    const QString carpeta = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporal.path();
    double pitjor = 0;
    for (int a = 1; a <= kActivitats; ++a) {
        const EncarrecFitxes::Peticio p = peticio(tipusActivitat(a));
        const QString ruta = carpeta + QStringLiteral("/fitxes-%1.pdf").arg(a);
        double millor = 1e9;
        qsizetype pagines = 0;
        for (int r = 0; r < kRepeticions; ++r) {
            QElapsedTimer rellotge;
            rellotge.start();
            const QList<PaginaFitxa> totes = EncarrecFitxes::pagines(p);
            QPdfWriter pdf(ruta);
            PintaFitxa::preparaPagina(pdf);
            QPainter painter(&pdf);
            if (!PintaFitxa::pinta(painter, pdf, totes))
                return 1;
            painter.end();
            millor = std::min(millor, rellotge.nsecsElapsed() / 1e6);
            pagines = totes.size();
        }
        pitjor = std::max(pitjor, millor);
        std::printf("activity %d: %d sheets with keys, %lld pages, %lld KB: %.1f ms\n", a, kAlumnes,
                    static_cast<long long>(pagines),
                    static_cast<long long>(QFileInfo(ruta).size() / 1024), millor);
    }
    std::printf("slowest: %.1f ms (goal: under 1000 ms)\n", pitjor);
    return pitjor < 1000 ? 0 : 1;
}
