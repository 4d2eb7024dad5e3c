#pragma once

#include "records/AssignacioNivell.h"

#include <QDialog>

struct Sessio;
class QLabel;
class QListWidget;
class QPushButton;

// Assigning a level set to the current group: the sets of Inf/Niv, the group's own set and the
// one chosen; either button stores the group's record. Modal, created for one use.
class Assignar : public QDialog {
    Q_OBJECT
public:
    // Opens the window over `parent` (the front page, whose button of the current group lends
    // its picture) and returns once the group's record is written.
    static void Obre(Sessio& sessio, QWidget* parent);

    Assignar(Sessio& sessio, QWidget* parent = nullptr);

    const AssignacioNivell& assignacio() const { return assignacio_; }

public slots:
    // `Botó(1)`: the chosen set becomes the group's; every way of closing writes the record.
    void done(int result) override;

private:
    void construeix();
    void posaImatgeGrup();

    Sessio& sessio_;
    AssignacioNivell assignacio_;
    bool tancada_ = false;

    QLabel* eti_[3] = {};
    QLabel* actual_ = nullptr;
    QListWidget* arxiusCfg_ = nullptr;
    QLabel* triat_ = nullptr;
    QLabel* grup_ = nullptr;
    QPushButton* boto_[2] = {};
};
