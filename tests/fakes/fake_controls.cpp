#include "fakes/fake_controls.h"

#include "fakes/fake_window.h"
#include "runtime/runtime.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>

namespace hv::fakes {

void FakeControl::deliver(const std::function<void()>& handler) { window_.deliver(handler); }

void FakeCheckBox::setValue(std::int16_t value)
{
    if (value < 0 || value > 2)
        throw std::logic_error("check box value " + std::to_string(value));
    if (value == value_)
        return;
    value_ = value;
    clicked();
}

void FakeTextBox::edit(const std::string& typed)
{
    const auto limit = design.maxLength > 0 ? static_cast<std::size_t>(design.maxLength) : typed.size();
    text_ = typed.substr(0, limit);
    deliver(design.onEditEnd);
}

void FakeComboBox::clear()
{
    items_.clear();
    index_ = -1;
}

int FakeComboBox::addItem(const std::string& text)
{
    auto at = std::upper_bound(items_.begin(), items_.end(), text, [](const std::string& a, const Item& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.text.begin(), b.text.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
        });
    });
    const int position = static_cast<int>(at - items_.begin());
    items_.insert(at, {text, 0});
    if (index_ >= position)
        ++index_;
    return position;
}

void FakeComboBox::setListIndex(int position)
{
    if (position < -1 || position >= listCount())
        throw RuntimeError::invalidPropertyValue();
    if (position == index_)
        return;
    index_ = position;
    clicked();
}

const FakeComboBox::Item& FakeComboBox::at(int position) const
{
    if (position < 0 || position >= listCount())
        throw RuntimeError::invalidPropertyArrayIndex();
    return items_[static_cast<std::size_t>(position)];
}

FakeComboBox::Item& FakeComboBox::at(int position) { return const_cast<Item&>(std::as_const(*this).at(position)); }

void FakeSkinFramework::loadSkin(const std::string& path, const std::string& iniName)
{
    log_.push_back("LoadSkin " + path + " \"" + iniName + '"');
    if (refuse)
        throw RuntimeError(-2147024809, "The skin file is no skin");
}

void FakeSkinFramework::setApplyOptions(std::int32_t value)
{
    options = value;
    log_.push_back("ApplyOptions " + std::to_string(value));
}

void FakeSkinFramework::setAutoApplyNewWindows(bool on)
{
    log_.push_back(std::string("AutoApplyNewWindows ") + (on ? "1" : "0"));
}

void FakeSkinFramework::setAutoApplyNewThreads(bool on)
{
    log_.push_back(std::string("AutoApplyNewThreads ") + (on ? "1" : "0"));
}

} // namespace hv::fakes
