#pragma once

#include <QString>

class QPushButton;

// The accept and cancel buttons of the small windows: the check mark and the cross of the
// Wingdings table, large and coloured, the same in every window.
namespace BotoGlif {

enum Tipus { Cancel, Accepta };

// Gives `boto` its glyph, font, size and colour, the object name `nom` and, when `ajuda` is not
// empty, the tool-tip and accessible name `ajuda`.
void prepara(QPushButton* boto, Tipus tipus, const QString& nom, const QString& ajuda = {});

} // namespace BotoGlif
