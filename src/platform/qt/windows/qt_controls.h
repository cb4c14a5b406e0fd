#pragma once
// The controls of a Qt window. Each wraps one widget, placed from its
// design in twips, and hands what the user does with it to the handlers of
// its design, through its window. The widget belongs to the window and may
// outlive its control.
#include "platform/qt/windows/form_widget.h"

#include <QMetaObject>
#include <QPointer>

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace hv::qt {

class QtControl : public virtual Control {
public:
    ~QtControl() override;

    QWidget* widget() const { return widget_; }

    void setVisible(bool visible) override;
    bool visible() const override { return visible_; }
    void setWidth(int twips) override;
    int width() const override { return rect_.width; }
    void setHeight(int twips) override;
    int height() const override { return rect_.height; }
    void setBackColor(Colour colour) override;
    Colour backColor() const override { return backColor_; }

protected:
    // Where the back colour shows: the whole control, or only the face the
    // style draws for a button or a closed list.
    enum class Back { Fill, Face };

    // The widget is named after the control: a skin's style sheet picks
    // it out by that name.
    QtControl(QWidget* widget, const std::string& name, const TwipRect& rect, const FontDesign& font, Colour backColor,
        Back back);
    QtControl(QWidget* widget, const ControlDesign& design, Back back)
        : QtControl(widget, design.name, design.rect, design.font, design.backColor, back)
    {
    }
    // A connection that has to end with this control, not with its widget.
    void keep(QMetaObject::Connection connection) { connections_.push_back(std::move(connection)); }

private:
    void place();

    QPointer<QWidget> widget_;
    TwipRect rect_;
    bool visible_ = true;
    Colour backColor_;
    Back back_;
    std::vector<QMetaObject::Connection> connections_;
};

// A label reports clicks and the mouse moving over it.
class QtLabel final : public QtControl {
public:
    QtLabel(QWidget* parent, const LabelDesign& design, FormWidget& form);
};

// A frame reports the mouse moving over its own surface.
class QtFrame final : public QtControl {
public:
    QtFrame(QWidget* parent, const ControlDesign& design, FormWidget& form);
};

class QtPushButton final : public QtControl {
public:
    QtPushButton(QWidget* parent, const ControlDesign& design, FormWidget& form);
};

class QtTextBox final : public QtControl, public TextField {
public:
    QtTextBox(QWidget* parent, const ControlDesign& design, FormWidget& form);
    std::string text() const override;
    void setText(const std::string& text) override;

private:
    QLineEdit* edit() const;
};

class QtCheckBox final : public QtControl, public CheckBox {
public:
    QtCheckBox(QWidget* parent, const ControlDesign& design, FormWidget& form);
    std::int16_t value() const override;
    void setValue(std::int16_t value) override;

private:
    QCheckBox* box() const;
};

class QtComboBox final : public QtControl, public ComboBox {
public:
    QtComboBox(QWidget* parent, const ControlDesign& design, FormWidget& form);
    void clear() override;
    int addItem(const std::string& text) override;
    int listCount() const override;
    std::string itemText(int position) const override;
    std::int32_t itemData(int position) const override;
    void setItemData(int position, std::int32_t data) override;
    int listIndex() const override;
    void setListIndex(int position) override;

private:
    QComboBox* box() const;
    void checkPosition(int position) const;
};

} // namespace hv::qt
