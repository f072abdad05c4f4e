#pragma once
// Reading the text of a fisheye lens-distortion table, and deciding whether
// what it gave can serve as a lens at all.

#include <QString>

#include <map>

namespace KWLensTables {

// Incidence angle (degrees) -> image height (millimetres).
using LensTable = std::map<float, float>;

// Adds the point of an "angle,height" line to *table. Either field may stand
// in double quotes and further fields are ignored. A line whose two fields
// are not both finite numbers (a header, a blank line, garbage) is skipped; a
// later line for the same angle replaces the earlier one.
void ReadLensTableLine(QString line, LensTable* table);

// Why the table cannot be used as a lens: fewer than two points, or an image
// height that does not grow with the angle. Empty when it can be used.
QString LensTableProblem(const LensTable& table);

} // namespace KWLensTables
