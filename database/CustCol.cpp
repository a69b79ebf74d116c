#include "database/CustCol.h"

IMPLEMENT_DYNAMIC(CCustCol, CObject)
