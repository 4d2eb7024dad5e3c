#pragma once

#include "classe/Periode.h"

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLabel;
struct Sessio;

// Chooses the period the history figures count: "Període" with a list (all, this term, last 30
// days, between dates) and, for the last, the two dates with their calendars. Shared by the class
// overview and the progress chart.
class TriaPeriode : public QWidget {
    Q_OBJECT
public:
    explicit TriaPeriode(const Sessio& sessio, QWidget* parent = nullptr);

    // The period chosen, seen from `avui`.
    Periode periode(QDate avui = QDate::currentDate()) const;
    void posa(Periode::Tipus tipus, QDate inici = {}, QDate fi = {});

signals:
    void canviat();

private:
    void mostraDates();

    QLabel* etiqueta_;
    QComboBox* tipus_;
    QDateEdit* inici_;
    QDateEdit* fi_;
};

// A period as a header says it: "Tot", "Aquest trimestre (01-09-2026 – 31-12-2026)" and so on.
QString textPeriode(const Sessio& sessio, const Periode& periode);
