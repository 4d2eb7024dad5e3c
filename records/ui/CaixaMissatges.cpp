#include "CaixaMissatges.h"

#include "StringTable.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

bool caixa(QMessageBox::Icon icona, const QString& text, int idioma, QWidget* parent,
           bool pregunta) {
    QMessageBox box(icona, TextIdioma(2, idioma), text, QMessageBox::NoButton, parent);
    if (auto* etiqueta = box.findChild<QLabel*>("qt_msgbox_label"))
        etiqueta->setObjectName("Text");
    QPushButton* si = box.addButton(TextIdioma(pregunta ? 34 : 82, idioma), QMessageBox::YesRole);
    si->setObjectName("Mou_1");
    if (pregunta) {
        QPushButton* no = box.addButton(TextIdioma(35, idioma), QMessageBox::NoRole);
        no->setObjectName("Mou_0");
        box.setDefaultButton(no);
        box.setEscapeButton(no);
    }
    box.exec();
    return box.clickedButton() == si;
}

} // namespace

CaixaMissatges::Informacio& CaixaMissatges::informacio_() {
    static Informacio f;
    return f;
}

CaixaMissatges::Pregunta& CaixaMissatges::pregunta_() {
    static Pregunta f;
    return f;
}

void CaixaMissatges::estableix(Informacio informacio, Pregunta pregunta) {
    informacio_() = std::move(informacio);
    pregunta_() = std::move(pregunta);
}

void CaixaMissatges::informacio(const QString& text, int idioma, QWidget* parent) {
    if (informacio_())
        informacio_()(text, idioma, parent);
    else
        caixa(QMessageBox::Information, text, idioma, parent, false);
}

bool CaixaMissatges::pregunta(const QString& text, int idioma, QWidget* parent) {
    if (pregunta_())
        return pregunta_()(text, idioma, parent);
    return caixa(QMessageBox::Question, text, idioma, parent, true);
}
