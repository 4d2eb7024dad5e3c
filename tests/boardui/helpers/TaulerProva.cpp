#include "TaulerProva.h"

#include "Activitat.h"
#include "FabricaActivitats.h"
#include "Rutes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

std::unique_ptr<Pissarra> obreTaulerProva(const QString& carpeta, int activitat,
                                          const DadesNivell& nivell, const EntornSerie& entorn,
                                          Guio* guio, bool ambResta) {
    QByteArray niv(kRegistresJoc * DadesNivell::kLength, '\0');
    niv.replace((IndexNivell(activitat, 1) - 1) * DadesNivell::kLength, DadesNivell::kLength,
                nivell.encode());
    QFile f(RutaNivell(carpeta, QStringLiteral("Proves")));
    QDir().mkpath(QFileInfo(f).path());
    if (!f.open(QIODevice::WriteOnly) || f.write(niv) != niv.size())
        qFatal("cannot write the level set");
    f.close();

    ObreSerie o;
    o.carpeta = carpeta;
    o.activitat = activitat;
    o.configGrup.NomNivell = QStringLiteral("Proves");
    o.configGrup.OpcResta = ambResta ? 1 : 0;
    o.registre.Numero = 1;
    o.registre.Nom = QStringLiteral("Pau");
    o.registre.Nivell.fill(1);
    o.posicio = 1;
    Serie::CreaActivitat crea = FabricaActivitats::crea;
    if (guio)
        crea = [guio](int a, ContextActivitat& serie) {
            guio->serie = &serie;
            return FabricaActivitats::crea(a, *guio);
        };
    auto w = std::make_unique<Pissarra>(o, entorn, ImatgesPissarra{}, crea);
    w->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    w->show();
    return w;
}
