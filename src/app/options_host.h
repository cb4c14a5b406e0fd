#pragma once
// What the options window needs of the program around it: the catalogue
// its zone list shows, the clock and colour windows it opens, the title of
// the program's boxes, and its own unloading.
#include <memory>
#include <string>

namespace hv {

class ClockWindow;
class ColourWindow;
class TimeZoneCatalogue;

class OptionsHost {
public:
    virtual ~OptionsHost() = default;
    virtual TimeZoneCatalogue& catalogue() = 0;
    // Each loaded first when it is not.
    virtual std::shared_ptr<ClockWindow> clockWindow() = 0;
    virtual std::shared_ptr<ColourWindow> colourWindow() = 0;
    // The title of message boxes that name none.
    virtual const std::string& appTitle() const = 0;
    virtual void setAppTitle(std::string title) = 0;
    // Runs the options window's close handling, then unloads it.
    virtual void unloadOptionsWindow() = 0;
};

} // namespace hv
