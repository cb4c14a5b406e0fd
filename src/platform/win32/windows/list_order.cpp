#include "platform/win32/windows/list_order.h"

#include <windows.h>

#include <climits>

namespace hv::win32 {

bool listOrderLess(std::wstring_view a, std::wstring_view b)
{
    if (a.size() > INT_MAX || b.size() > INT_MAX)
        return a < b;
    return CompareStringEx(LOCALE_NAME_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
               static_cast<int>(b.size()), nullptr, nullptr, 0)
        == CSTR_LESS_THAN;
}

} // namespace hv::win32
