#include "database/DbWaitCursor.h"

#include "framework/win/WaitCursor.h"

struct CDbWaitCursor::Impl {
    CWaitCursor wait;
};

CDbWaitCursor::CDbWaitCursor() : m_pImpl(std::make_unique<Impl>()) {}

CDbWaitCursor::~CDbWaitCursor() = default;

void CDbWaitCursor::End() { m_pImpl.reset(); }
