#include "platform/win32/windows/list_order.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows/win32_controls.h"

#include "runtime/runtime.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace hv::win32 {

namespace {

// Entries the open list shows before it scrolls.
constexpr int kDropDownEntries = 12;

} // namespace

Win32ComboBox::Win32ComboBox(FormWindow& form, const ControlDesign& design, const Placement& placement)
    : Win32Control(form, {WC_COMBOBOXW, CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP}, "", placement,
        {design.font, design.backColor}, {design.onClick, {}})
{
}

int Win32ComboBox::createdHeight(int pixels) const
{
    // A list's window reaches down over its open list as well.
    return pixels * (kDropDownEntries + 1);
}

void Win32ComboBox::checkPosition(int position) const
{
    if (position < 0 || position >= listCount())
        throw RuntimeError::invalidPropertyArrayIndex();
}

void Win32ComboBox::clear()
{
    // Emptying the list moves the selection, but the user picked nothing.
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    entries_.clear();
    reportedIndex_ = -1;
}

int Win32ComboBox::addItem(const std::string& text)
{
    std::wstring entry = widen(text);
    const auto after = std::ranges::upper_bound(entries_, entry, listOrderLess);
    const auto position = static_cast<WPARAM>(after - entries_.begin());
    const int selected = listIndex();
    const LRESULT at = SendMessageW(hwnd(), CB_INSERTSTRING, position, reinterpret_cast<LPARAM>(entry.c_str()));
    if (at == CB_ERR || at == CB_ERRSPACE)
        throw RuntimeError(7, "Out of memory");
    entries_.insert(entries_.begin() + at, std::move(entry));
    SendMessageW(hwnd(), CB_SETITEMDATA, static_cast<WPARAM>(at), 0);
    // An entry inserted before the selected one moves it on a place: the
    // selection stays on its entry, and nobody picked anything.
    if (selected >= 0) {
        reportedIndex_ = selected + (at <= selected ? 1 : 0);
        SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(reportedIndex_), 0);
    }
    return static_cast<int>(at);
}

int Win32ComboBox::listCount() const { return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0)); }

std::string Win32ComboBox::itemText(int position) const
{
    checkPosition(position);
    return narrow(entries_[static_cast<std::size_t>(position)]);
}

std::int32_t Win32ComboBox::itemData(int position) const
{
    checkPosition(position);
    return static_cast<std::int32_t>(SendMessageW(hwnd(), CB_GETITEMDATA, static_cast<WPARAM>(position), 0));
}

void Win32ComboBox::setItemData(int position, std::int32_t data)
{
    checkPosition(position);
    SendMessageW(hwnd(), CB_SETITEMDATA, static_cast<WPARAM>(position), static_cast<LPARAM>(data));
}

int Win32ComboBox::listIndex() const
{
    const LRESULT index = SendMessageW(hwnd(), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void Win32ComboBox::setListIndex(int position)
{
    if (position < -1 || position >= listCount())
        throw RuntimeError::invalidPropertyValue();
    // A selection set by code sends no notification: it is told here.
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    selectionMoved();
}

void Win32ComboBox::notified(WORD code)
{
    if (code == CBN_SELCHANGE)
        selectionMoved();
}

void Win32ComboBox::selectionMoved()
{
    const int index = listIndex();
    if (index == reportedIndex_)
        return;
    reportedIndex_ = index;
    form_.deliver(onClick_);
}

} // namespace hv::win32
