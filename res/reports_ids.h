// Resources of the printed reports.
#pragma once

// The logo printed on page 1 of the quotation letters.
#define IDB_LOGO 314
