#include "platform/win32/services/com_scope.h"

#include <objbase.h>

namespace platform::win32 {

ComScope::ComScope() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already initialised on this thread, which still has to be balanced. RPC_E_CHANGED_MODE: the
    // thread runs another apartment model, which serves as well and is not ours to end.
    initialised_ = SUCCEEDED(result);
}

ComScope::~ComScope() {
    if (initialised_) CoUninitialize();
}

}  // namespace platform::win32
