#pragma once
// The skin component of the Qt front-end. A skin file here holds a Qt
// style sheet: applied to a window it themes that window and its
// controls, applied to the application it themes every window, message
// boxes included. The sheet names files of the skin's folder as
// url(skin:NAME).
#include "platform/window.h"

#include <QString>

namespace hv::qt {

class QtSkinFramework : public SkinFramework {
public:
    // Reads the sheet as UTF-8. A file that cannot be read, is no regular
    // file or holds nothing, or a sheet naming an image that is there but
    // no regular file, raises "Path/File access error"; one that is no
    // text, that Qt cannot parse, or far larger than any skin raises
    // "Invalid file format". Either leaves the skin as it was. The second
    // argument names a section of a skin file that has several; a style
    // sheet has none.
    void loadSkin(const std::string& path, const std::string& iniName) override;
    std::int32_t applyOptions() const override { return options_; }
    void setApplyOptions(std::int32_t options) override { options_ = options; }
    void setAutoApplyNewWindows(bool on) override;
    // The front-end runs every window on one thread: nothing to apply.
    void setAutoApplyNewThreads(bool on) override { newThreads_ = on; }
    void applyWindow(WindowView& window) override;

private:
    QString sheet_;
    std::int32_t options_ = 0;
    bool newWindows_ = false;
    bool newThreads_ = false;
};

} // namespace hv::qt
