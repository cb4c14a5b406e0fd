#include "platform/win32/win32_skin.h"

#include "platform/runtime.h"
#include "platform/win32/regular_file.h"

namespace hv::win32 {

void Win32SkinFramework::loadSkin(const std::string& path, const std::string&)
{
    if (RegularFile(path).size() == 0)
        throw RuntimeError::pathFileAccessError();
}

} // namespace hv::win32
