#include "shared/window_rules.h"

#include <utility>

namespace hv {

WindowDesign fixedWindow(std::string name, TwipSize client, bool minButton, Colour backColor)
{
    WindowDesign design;
    design.name = std::move(name);
    design.fixedSingle = true;
    design.client = client;
    design.minButton = minButton;
    design.maxButton = false;
    design.centred = true;
    design.backColor = backColor;
    design.font = kWindowFont;
    return design;
}

bool fileExists(FileSystem& files, const std::string& path) { return files.modificationTime(path).has_value(); }

std::string appTitleFor(std::string_view productName)
{
    std::string title(productName);
    do {
        const auto space = title.rfind(' ');
        if (space == std::string::npos)
            break;
        title.resize(space);
    } while (title.size() > 40);
    return title;
}

void applyPointerRule(WindowView& window, MousePointer pointer)
{
    if (window.mousePointer() != MousePointer::Hourglass)
        window.setMousePointer(pointer);
}

void paintButtonFace(WindowView& window, std::span<Control* const> recoloured)
{
    window.setBackColor(kButtonFace);
    for (Control* control : recoloured)
        control->setBackColor(kButtonFace);
}

void applySkin(FileSystem& files, WindowView& window, SkinFramework& skin, std::span<Control* const> recoloured)
{
    const std::string path = files.programFile(kSkinFile);
    if (!files.findOrdinaryFile(path))
        return;
    paintButtonFace(window, recoloured);
    skin.loadSkin(path, "");
    skin.setApplyOptions(skin.applyOptions() | 1);
    skin.setAutoApplyNewWindows(true);
    skin.setAutoApplyNewThreads(true);
    skin.applyWindow(window);
}

} // namespace hv
