#include "classe/Periode.h"

#include <utility>

Periode Periode::de(Tipus tipus, QDate avui, QDate inici, QDate fi) {
    switch (tipus) {
    case Tipus::Tot:
        return {};
    case Tipus::Trimestre: {
        const int mes = avui.month();
        const int primer = mes >= 9 ? 9 : mes >= 4 ? 4 : 1;
        const int darrer = mes >= 9 ? 12 : mes >= 4 ? 8 : 3;
        const QDate ultim(avui.year(), darrer, 1);
        return {tipus, QDate(avui.year(), primer, 1), ultim.addDays(ultim.daysInMonth() - 1)};
    }
    case Tipus::Darrers30Dies:
        return {tipus, avui.addDays(-29), avui};
    case Tipus::EntreDates:
        if (inici.isValid() && fi.isValid() && fi < inici)
            std::swap(inici, fi);
        return {tipus, inici, fi};
    }
    return {};
}
