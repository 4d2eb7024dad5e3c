#include "TaulerProva.h"

#include "FabricaActivitats.h"
#include "Registres.h"
#include "StringTable.h"

#include <QTimer>

Tauler::Tauler(int activitat, const QByteArray& nivell, QList<float> atzar, int idioma,
               bool ambResta, Serie::CreaActivitat crea)
    : guio(atzar) {
    using namespace Registres;
    c.escriu(c.niv("Proves"), joc({{activitat, 1, nivell}}));
    c.escriu(c.dat(TextIdioma(95, idioma)), alumne(4, "Pere") + alumne(7, "Anna Puig"));
    ObreSerie o;
    o.carpeta = c.path();
    o.grup = 3;
    o.idioma = idioma;
    o.configGrup.NomNivell = QStringLiteral("Proves");
    o.configGrup.OpcResta = ambResta ? 1 : 0;
    o.registre.Numero = 7;
    o.registre.Nom = QStringLiteral("Anna Puig");
    o.registre.Nivell.fill(1);
    o.registre.Imatge = QStringLiteral("anna.png");
    o.posicio = 2;
    o.activitat = activitat;
    o.llavor = 11;
    if (!crea && !atzar.isEmpty())
        crea = [this](int a, ContextActivitat& serie) {
            guio.serie = &serie;
            return FabricaActivitats::crea(a, guio);
        };
    EntornSerie e;
    e.so = &so;
    e.avui = [] { return QDate(2001, 12, 5); };
    QPixmap foto(40, 40);
    foto.fill(Qt::blue);
    w = std::make_unique<Pissarra>(o, e, ImatgesPissarra{foto, {}},
                                   crea ? crea : FabricaActivitats::crea);
    w->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    w->show();
}

QString Tauler::text(const QString& nom) const {
    if (auto* l = fill<QLabel>(nom))
        return l->text();
    return fill<QPushButton>(nom)->text().replace(u'\n', u' ');
}

void Tauler::tecla(QChar c) const {
    QWidget* caixa = fill<QWidget>(QStringLiteral("CaixaTeclat"));
    if (c == u'<')
        QTest::keyClick(caixa, Qt::Key_Left);
    else if (c == u'.')
        QTest::keyClick(caixa, Qt::Key_Period);
    else
        QTest::keyClick(caixa, c.toLatin1());
}
