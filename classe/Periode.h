#pragma once

#include <QDate>

// The days whose series a figure counts: all of them, this school term, the last 30 days, or the
// days between two dates, both included.
struct Periode {
    enum class Tipus { Tot, Trimestre, Darrers30Dies, EntreDates };

    Tipus tipus = Tipus::Tot;
    QDate inici; // null: no first day
    QDate fi;    // null: no last day

    // The period of `tipus` as seen on `avui`; `inici` and `fi` count for EntreDates only (in
    // either order). Terms run from September to December, January to March and April to August.
    static Periode de(Tipus tipus, QDate avui, QDate inici = {}, QDate fi = {});

    bool conte(QDate dia) const {
        return (inici.isNull() || dia >= inici) && (fi.isNull() || dia <= fi);
    }
};
