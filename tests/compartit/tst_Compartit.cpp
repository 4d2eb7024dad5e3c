#include "core/FitxerAlumnes.h"
#include "core/TextUtil.h"
#include "levels/DadesNivell.h"
#include "tests/support/CarpetaProva.h"
#include "tests/support/Registres.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>

#include <map>
#include <memory>
#include <vector>

// Computers x operations each, as XIFRUM_COMPARTIT="16x20" gives them.
std::pair<int, int> mida() {
    const QList<QByteArray> m = qgetenv("XIFRUM_COMPARTIT").split('x');
    return m.size() == 2 ? std::pair(m[0].toInt(), m[1].toInt()) : std::pair(16, 20);
}

// Sixteen computers at once on one program folder, through the program's own writes: afterwards
// nothing any of them stored is missing, unless a later change in their logs replaced it.
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
        const auto [ordinadors, operacions] = mida();
        QElapsedTimer rellotge;
        rellotge.start();
        std::vector<std::unique_ptr<QProcess>> processos;
        for (int k = 0; k < ordinadors; ++k) {
            auto& p = processos.emplace_back(std::make_unique<QProcess>());
            const QString tmp = c.path("tmp" + QString::number(k));
            QDir().mkpath(tmp);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("TMPDIR", tmp);
            p->setProcessEnvironment(env);
            p->start(ORDINADOR,
                     {c.path(), QString::number(k), QString::number(operacions), tmp + "/log"});
        }
        for (auto& p : processos) {
            QVERIFY(p->waitForFinished(-1));
            QCOMPARE(p->exitCode(), 0);
        }
        const qint64 ms = rellotge.elapsed();

        std::map<QString, std::pair<QString, Registre>> finals; // by picture id
        for (const FilaAlumne& f : FitxerAlumnes::llegeix(c.path(), 1, 0)) {
            const Registre r = LlistaAlumnes::registre(f);
            finals[TextUtil::trimSpaces(r.Imatge)] = {TextUtil::trimSpaces(r.Nom), r};
        }
        QMap<QString, int> linies; // history lines logged minus lines found
        QMultiMap<QString, QStringList> fets;
        QStringList claus, idiomes, jocs;
        for (int k = 0; k < ordinadors; ++k) {
            QFile log(c.path("tmp" + QString::number(k) + "/log"));
            QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
            for (const QString& l :
                 QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts)) {
                const QStringList p = l.split(' ');
                fets.insert(p[0], p);
                if (p[0] == "HST")
                    ++linies[p[1]];
                claus << (p[0] == "CLAU" ? p[1] : QString());
                idiomes << (p[0] == "IDIOMA" ? p[1] : QString());
            }
        }
        QDirIterator hst(c.path("Inf/Hst"), QDir::Files);
        while (hst.hasNext()) {
            const QByteArray text = CarpetaProva::llegeix(hst.next());
            for (const QByteArray& l : text.split('\n'))
                if (!l.isEmpty())
                    --linies[(l + '\n').toHex()];
        }
        for (auto i = linies.cbegin(); i != linies.cend(); ++i)
            QVERIFY2(i.value() == 0, qPrintable("history line " + i.key()));

        const auto logat = [&](const QString& tipus, const QString& id) {
            for (const QStringList& p : fets.values(tipus))
                if (p[1] == id)
                    return true;
            return false;
        };
        for (const QStringList& p : fets.values("PASS")) {
            if (logat("DEL", p[1]))
                continue;
            QVERIFY2(finals.count(p[1]), qPrintable(p.join(' ')));
            const int ara = finals[p[1]].second.Nivell[p[2].toInt() - 1], desat = p[3].toInt();
            QVERIFY2(ara == 0 || (desat != 0 && ara >= desat), qPrintable(p.join(' ')));
        }
        for (const QStringList& p : fets.values("ADD") + fets.values("REN")) {
            const bool hiEs = finals.count(p[1]) && finals[p[1]].first == p.last();
            bool canviatDespres = false;
            for (const QStringList& r : fets.values("REN"))
                canviatDespres |= r[1] == p[1] && r != p;
            QVERIFY2(hiEs || logat("DEL", p[1]) || canviatDespres, qPrintable(p.join(' ')));
        }
        for (const QStringList& p : fets.values("SET")) {
            const QByteArray joc = CarpetaProva::llegeix(c.niv(p.mid(1, p.size() - 2).join(' ')));
            QCOMPARE(joc.size(), kRegistresJoc * DadesNivell::kLength);
            bool algun = false;
            for (const QStringList& q : fets.values("SET"))
                algun |= joc.left(q.last().size() / 2).toHex() == q.last().toLatin1();
            QVERIFY(algun);
        }
        const ConfigGeneral g = ConfigGeneral::decode(CarpetaProva::llegeix(c.generalCfg()));
        claus.removeAll(QString());
        idiomes.removeAll(QString());
        QVERIFY(claus.isEmpty() || claus.contains(g.clauText()));
        QVERIFY(idiomes.isEmpty() || idiomes.contains(QString::number(g.Idioma)));
        QCOMPARE(QDir(c.path("Inf")).entryList({"*.lock"}), QStringList());
        qInfo("%d computers x %d operations: %lld ms; %lld passes, %lld history lines, %lld added, "
              "%lld renamed, %lld deleted, %lld set saves, %lld settings",
              ordinadors, operacions, ms, fets.count("PASS"), fets.count("HST"), fets.count("ADD"),
              fets.count("REN"), fets.count("DEL"), fets.count("SET"),
              fets.count("CLAU") + fets.count("IDIOMA"));
    }
};

QTEST_GUILESS_MAIN(TestCompartit)
#include "tst_Compartit.moc"
