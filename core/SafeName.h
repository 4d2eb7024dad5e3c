#pragma once

#include <QString>

// One rule, used by every place that turns a pupil name or a level-set name into a file name, so
// that nothing read from disk or typed by a user can build a path outside its folder.
namespace SafeName {

// True when `name` (without surrounding spaces) can be a file name inside its folder as it is:
// not empty, no '/' or '\', no control character, not "." and holding no "..".
bool isValid(const QString& name);

// The file name used for `name`: surrounding spaces removed; every '/', '\' and control character
// becomes '_'; a name left empty, "." or holding ".." has those dots made '_' too. A valid name is
// returned unchanged (apart from the trimming), so the files of existing data keep their names.
QString fileName(const QString& name);

} // namespace SafeName
