#pragma once
// Procedures the program's windows share: whether a file is there, the
// application title, and the recolouring and skinning of a window.
#include "platform/file_system.h"
#include "platform/window.h"

#include <span>
#include <string>
#include <string_view>

namespace hv {

inline constexpr std::string_view kProductName = "Horavista";

// The fonts of the options and colour windows and of their buttons.
inline const FontDesign kWindowFont{"Arial", 9, true};
inline const FontDesign kButtonFont{"Arial", 11.25, true};

// A window of fixed size centred on the screen, in the window font, with
// no maximise button: the options and colour windows.
WindowDesign fixedWindow(std::string name, TwipSize client, bool minButton, Colour backColor);

// Files looked up in the program's folder.
inline constexpr std::string_view kCursorFile = "HAND-M.CUR";
inline constexpr std::string_view kSkinFile = "x/o.cjs";

// True exactly when the file's modification time can be read.
bool fileExists(FileSystem& files, const std::string& path);

// The application title for a product name: its last word dropped, and
// more while it is longer than 40 characters. A name without a blank is
// kept whole.
std::string appTitleFor(std::string_view productName);

// The hover rule of the program's windows: the pointer becomes the given
// one, unless the window shows the hourglass, which stays.
void applyPointerRule(WindowView& window, MousePointer pointer);

// Turns the window and the given frames, check boxes and labels to the
// button-face colour.
void paintButtonFace(WindowView& window, std::span<Control* const> recoloured);

// When the skin file is beside the program: recolours as paintButtonFace
// does, loads the skin and applies it to this and every later window.
// Errors pass to the caller.
void applySkin(FileSystem& files, WindowView& window, SkinFramework& skin, std::span<Control* const> recoloured);

} // namespace hv
