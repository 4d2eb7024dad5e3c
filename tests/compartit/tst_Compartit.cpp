#include "core/FitxerAlumnes.h"
#include "core/TextUtil.h"
#include "levels/DadesNivell.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Registres.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>

#include <map>

// Computers on one program folder at once (XIFRUM_COMPARTIT="<computers>x<operations each>", 16x20
// when unset), each a process of its own: afterwards nothing any of them logged as stored is
// missing, unless a later change in the logs (a rename, a deletion) replaced it.
class TestCompartit : public QObject {
    Q_OBJECT

private slots:
    void computersShareOneFolder() {
        CarpetaProva c;
        QByteArray alumnes;
        for (int i = 0; i < 10; ++i)
            alumnes += Registres::alumne(i + 1, "A" + QByteArray::number(i), 1,
                                         "i" + QByteArray::number(i));
        c.escriu(c.dat("Dofins"), alumnes);
        c.escriu(c.generalCfg(), Registres::general(1));
        const QList<QByteArray> mida = qgetenv("XIFRUM_COMPARTIT").split('x');
        const int ordinadors = mida.size() == 2 ? mida[0].toInt() : 16;
        const QByteArray operacions = mida.size() == 2 ? mida[1] : "20";
        QElapsedTimer rellotge;
        rellotge.start();
        QList<QProcess*> processos;
        for (int k = 0; k < ordinadors; ++k) {
            const QString tmp = c.path("tmp" + QString::number(k));
            QVERIFY(QDir().mkpath(tmp));
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("TMPDIR", tmp);
            QProcess* p = processos.emplace_back(new QProcess(this));
            p->setProcessEnvironment(env);
            p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            p->start(ORDINADOR, {c.path(), QString::number(k), operacions, tmp + "/log"});
        }
        for (QProcess* p : processos)
            QVERIFY(p->waitForFinished(-1) && p->exitCode() == 0);
        const qint64 ms = rellotge.elapsed();

        std::map<QString, Registre> finals; // by picture, which no one changes
        for (const FilaAlumne& f : FitxerAlumnes::llegeix(c.path(), 1, 0))
            finals[TextUtil::trimSpaces(f[LlistaAlumnes::kColImatge])] = LlistaAlumnes::registre(f);
        QMultiMap<QString, QStringList> fets; // what the logs say, by kind
        QMap<QString, int> linies;            // history lines logged minus those found
        QMap<QString, QStringList> darrers;   // each kind's last fields
        for (int k = 0; k < ordinadors; ++k)
            for (const QString& l : QString(c.llegeix(c.path(QString("tmp%1/log").arg(k))))
                                        .split('\n', Qt::SkipEmptyParts)) {
                fets.insert(l.section(' ', 0, 0), l.split(' '));
                darrers[l.section(' ', 0, 0)] << l.section(' ', -1);
                linies[l.section(' ', 1)] += l.startsWith("HST");
            }
        for (QDirIterator hst(c.path("Inf/Hst"), QDir::Files); hst.hasNext();)
            for (const QByteArray& l : c.llegeix(hst.next()).split('\n'))
                if (!l.isEmpty())
                    --linies[(l + '\n').toHex()];
        for (auto i = linies.cbegin(); i != linies.cend(); ++i)
            QVERIFY2(i.value() == 0, qPrintable("history line " + i.key()));

        const auto hiHa = [&](const QString& tipus, const QString& id, const QStringList& excepte) {
            const QList<QStringList> v = fets.values(tipus);
            return std::any_of(v.begin(), v.end(),
                               [&](auto& p) { return p[1] == id && p != excepte; });
        };
        for (const QStringList& p : fets.values("PASS")) {
            const Registre& r = finals[p[1]];
            const int ara = r.Nivell[p[2].toInt() - 1], desat = p[3].toInt();
            QVERIFY2(hiHa("DEL", p[1], {}) || (r.Numero && (ara == 0 || (desat && ara >= desat))),
                     qPrintable(p.join(' ')));
        }
        for (const QStringList& p : fets.values("ADD") + fets.values("REN"))
            QVERIFY2(TextUtil::trimSpaces(finals[p[1]].Nom) == p.last() || hiHa("DEL", p[1], {}) ||
                         hiHa("REN", p[1], p),
                     qPrintable(p.join(' ')));
        for (const QStringList& p : fets.values("SET")) {
            const QByteArray joc = c.llegeix(c.niv(p.mid(1, p.size() - 2).join(' ')));
            QCOMPARE(joc.size(), kRegistresJoc * DadesNivell::kLength);
            QVERIFY(darrers["SET"].contains(joc.left(p.last().size() / 2).toHex()));
        }
        const ConfigGeneral g = ConfigGeneral::decode(c.llegeix(c.generalCfg()));
        QVERIFY(darrers["CLAU"].isEmpty() || darrers["CLAU"].contains(g.clauText()));
        QVERIFY(darrers["IDIOMA"].isEmpty() ||
                darrers["IDIOMA"].contains(QString::number(g.Idioma)));
        QCOMPARE(QDir(c.path("Inf")).entryList({"*.lock"}), QStringList());
        QString n;
        for (const char* t : {"PASS", "HST", "ADD", "REN", "DEL", "SET", "CLAU", "IDIOMA"})
            n += QString(" %1 %2").arg(t).arg(fets.count(t));
        qInfo("%d computers x %s operations: %lld ms;%s", ordinadors, operacions.constData(), ms,
              qPrintable(n));
    }
};

QTEST_GUILESS_MAIN(TestCompartit)
#include "tst_Compartit.moc"
