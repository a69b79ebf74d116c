// The widths of the table layouts' width templates ("9,999,999.99", ...).
// A report lays out every row of its tables on the same templates in the
// same font, so each template is measured once for a font and a device
// context and its width kept for the rows that follow.
#pragma once

#include <vector>

class CDC;

// The width of each template in the font selected into pDC, as TextWidth
// measures it on pDC in its present mapping; 0 for a null template.
std::vector<int> TemplateWidths(CDC* pDC, const std::vector<const char*>& templates);
