#pragma once
// The skin component of the Windows front-end. Windows has no reader for
// the skin format, so a skin file only switches the program's own colours
// on: the caller recolours the windows to the button face before it loads
// the skin, and without a skin file the windows keep the system's visual
// styles and their designed colours.
#include "platform/window.h"

namespace hv::win32 {

class Win32SkinFramework : public SkinFramework {
public:
    // A file that cannot be opened, is no regular file or holds nothing
    // raises "Path/File access error" and leaves the skin as it was.
    void loadSkin(const std::string& path, const std::string& iniName) override;
    std::int32_t applyOptions() const override { return options_; }
    void setApplyOptions(std::int32_t options) override { options_ = options; }
    // The colours are the windows' own: nothing to carry to later windows
    // or threads, or to apply to a window.
    void setAutoApplyNewWindows(bool) override {}
    void setAutoApplyNewThreads(bool) override {}
    void applyWindow(WindowView&) override {}

private:
    std::int32_t options_ = 0;
};

} // namespace hv::win32
