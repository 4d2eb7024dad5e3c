#pragma once

#include <QWidget>

struct Sessio;
class BotoGrup;
class QLabel;

// The groups page `pGrups`: the sixteen group buttons in a ring around the title frame `Frame1`,
// which shows the program's title, its credit line and its date.
class PaginaGrups : public QWidget {
    Q_OBJECT
public:
    explicit PaginaGrups(QWidget* parent);

    BotoGrup* grup(int g) const { return grups_[g]; }
    // Shows `grup` as the chosen group, and the one chosen before as not.
    void tria(int grup);
    // The groups' names and the title in the current language; the title is smaller in Basque.
    void aplicaIdioma(const Sessio& sessio);

signals:
    void grupPremut(int grup);

private:
    QLabel* programa_[2] = {};
    QLabel* autor_ = nullptr;
    QLabel* data_ = nullptr;
    BotoGrup* grups_[17] = {};
    int triat_ = 0;
};
