#include "platform/win32/windows/win32_skin.h"

#include "runtime/runtime.h"
#include "platform/win32/storage/regular_file.h"

namespace hv::win32 {

void Win32SkinFramework::loadSkin(const std::string& path, const std::string&)
{
    if (RegularFile(path).size() == 0)
        throw RuntimeError::pathFileAccessError();
}

} // namespace hv::win32
