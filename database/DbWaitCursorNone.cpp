#include "database/DbWaitCursor.h"

struct CDbWaitCursor::Impl {};

CDbWaitCursor::CDbWaitCursor() = default;

CDbWaitCursor::~CDbWaitCursor() = default;

void CDbWaitCursor::End() {}
