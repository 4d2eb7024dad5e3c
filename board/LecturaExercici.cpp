#include "board/LecturaExercici.h"

#include "board/ActivitatDividir.h"
#include "board/ActivitatMultiplicar.h"
#include "board/ActivitatSumRes.h"
#include "board/ActivitatTaules.h"
#include "core/ActivitatLinia.h"
#include "numeration/ActivitatOrdenar.h"

#include <QStringList>

namespace {

// A number as the board lays it out in columns, one digit and a blank each.
QString junt(QString columnes) {
    return columnes.remove(u' ');
}

QString operacio(const QString& a, const QString& signe, const QString& b) {
    return junt(a) + u' ' + signe + u' ' + junt(b);
}

} // namespace

LecturaExercici LecturaExercici::de(const Activitat* a) {
    if (auto* t = qobject_cast<const ActivitatTaules*>(a)) {
        // The board writes a letter x; a speech synthesiser reads the sign as "times".
        QString p = t->pregunta();
        return {p.replace(QStringLiteral(" x "), QStringLiteral(" × ")), t->linia().escrit()};
    }
    if (auto* l = qobject_cast<const ActivitatLinia*>(a))
        return {l->pregunta().trimmed(), l->linia().escrit().trimmed()};
    if (auto* s = qobject_cast<const ActivitatSumRes*>(a)) {
        // The result is written from the units; it is read from its leftmost cell.
        QString escrit;
        for (int c = s->nombreCelles() - 1; c >= 0; --c)
            if (const QChar d = s->digitCella(c); !d.isNull())
                escrit += d;
        return {operacio(s->operand1(), s->signe().trimmed(), s->operand2()), escrit};
    }
    if (auto* m = qobject_cast<const ActivitatMultiplicar*>(a)) {
        QStringList files;
        for (int f = 1; f <= ActivitatMultiplicar::kFilaProducte; ++f)
            if (const QString x = junt(m->resposta(f).right(m->revelats(f))); !x.isEmpty())
                files << x;
        return {operacio(m->multiSup(), QStringLiteral("×"), m->multiInf()), files.join(u", ")};
    }
    if (auto* d = qobject_cast<const ActivitatDividir*>(a)) {
        QStringList parts{junt(d->quocient())};
        for (int k = 1; k <= d->files(); ++k)
            for (const QString& x : {junt(d->apuntRes(k)), junt(d->apuntDiv(k))})
                if (!x.isEmpty())
                    parts << x;
        parts.removeAll(QString());
        return {operacio(d->dividendText(), QStringLiteral("÷"), d->divisorText()),
                parts.join(u", ")};
    }
    if (auto* o = qobject_cast<const ActivitatOrdenar*>(a)) {
        // The words are the answer too: the pupil moves them into order.
        QStringList paraules;
        for (const ActivitatOrdenar::Paraula& p : o->paraules())
            if (!p.caption.trimmed().isEmpty())
                paraules << p.caption.trimmed();
        return {paraules.join(u", "), {}};
    }
    return {};
}
