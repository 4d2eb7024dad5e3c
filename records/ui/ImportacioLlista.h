#pragma once

#include "records/ImportaLlista.h"

#include <QDialog>

struct Sessio;
class QLabel;
class QPushButton;
class QTreeWidget;

// Asks the teacher to confirm a class list before it is brought in: the pupils it will add, as
// they will be stored, and the rows of the file it will pass over, each with its reason. Modal,
// created for one use; it writes nothing itself.
class ImportacioLlista : public QDialog {
    Q_OBJECT
public:
    // True when the teacher confirms `pla` (Enter or the check mark); Escape or the cross cancel.
    static bool Confirma(const Sessio& sessio, const ImportaLlista::Pla& pla, QWidget* parent);

    ImportacioLlista(const Sessio& sessio, const ImportaLlista::Pla& pla,
                     QWidget* parent = nullptr);

    // The string id of the reason `motiu`.
    static int idMotiu(ImportaLlista::Motiu motiu);

private:
    QTreeWidget* llista(const char* nom, const QStringList& columnes);

    const Sessio& sessio_;
    QLabel* etiqueta_[2] = {};
    QTreeWidget* nous_ = nullptr;
    QTreeWidget* omesos_ = nullptr;
    QPushButton* boto_[2] = {};
};
