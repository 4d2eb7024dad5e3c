#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The history as a Rich Text Format document, the rich-text form the viewer puts on the clipboard:
// one paragraph per line in Arial, with the viewer's tab stops, so that a word processor shows the
// columns as the viewer does.
namespace RtfHistorial {

// `text` holds lines ended by '\n'; `tabulacions` are the tab stops in twips from the left edge;
// `punts` is the font size. Characters outside Windows-1252 are written as Unicode escapes.
QByteArray document(const QString& text, const QList<int>& tabulacions, int punts);

} // namespace RtfHistorial
