#include "selection/SelGuard.h"

#include <exception>
#include <new>

#include "framework/core/Exceptions.h"
#include "framework/core/MessageBox.h"

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (CException& e) {
        AfxMessageBox(e.GetErrorMessage(), MB_OK);
    } catch (std::bad_alloc&) {
        AfxMessageBox(CMemoryException().GetErrorMessage(), MB_OK);
    } catch (std::exception&) {
        AfxMessageBox(CException().GetErrorMessage(), MB_OK);
    }
}
