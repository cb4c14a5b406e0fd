#include "platform/qt/windows/qt_controls.h"

#include "platform/qt/windows/list_order.h"
#include "platform/qt/drawing/qt_colour.h"
#include "runtime/runtime.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <ranges>

namespace hv::qt {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// A click turns a cleared or greyed box ticked and a ticked one cleared;
// greyed is a state only the program sets.
class TwoWayCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

// Enter presses the focused button as Space does, as users of every
// desktop expect; Qt's buttons take it only in dialogs.
class EnterPushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
            QPushButton::keyPressEvent(event);
            return;
        }
        // A held key repeats; one press is one click.
        if (!event->isAutoRepeat())
            click();
    }
};

// A click is a press and a release of the left button over the label.
class ClickableLabel : public QLabel {
public:
    ClickableLabel(const QString& text, QWidget* parent, FormWidget& form, std::function<void()> onClick)
        : QLabel(text, parent)
        , form_(form)
        , onClick_(std::move(onClick))
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { pressed_ = event->button() == Qt::LeftButton; }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool click
            = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        pressed_ = false;
        if (click)
            form_.deliver(onClick_);
    }

private:
    FormWidget& form_;
    const std::function<void()> onClick_;
    bool pressed_ = false;
};

} // namespace

QtControl::QtControl(
    QWidget* widget, const std::string& name, const TwipRect& rect, const FontDesign& font, Colour backColor, Back back)
    : widget_(widget)
    , rect_(rect)
    , backColor_(backColor)
    , back_(back)
{
    widget_->setObjectName(qs(name));
    widget_->setFont(toQFont(font));
    // The mouse moving over a control is the control's, never that of the
    // frame or window beneath it.
    widget_->setAttribute(Qt::WA_NoMousePropagation);
    place();
    setBackColor(backColor);
}

QtControl::~QtControl()
{
    for (const auto& connection : connections_)
        QObject::disconnect(connection);
}

void QtControl::setVisible(bool visible)
{
    visible_ = visible;
    widget_->setVisible(visible);
}

void QtControl::setWidth(int twips)
{
    rect_.width = twips;
    place();
}

void QtControl::setHeight(int twips)
{
    rect_.height = twips;
    place();
}

void QtControl::setBackColor(Colour colour)
{
    backColor_ = colour;
    QPalette palette = widget_->palette();
    palette.setColor(back_ == Back::Fill ? widget_->backgroundRole() : QPalette::Button, toQColor(colour));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(back_ == Back::Fill);
}

void QtControl::place()
{
    widget_->setGeometry(toPixels(rect_.left), toPixels(rect_.top), toPixels(rect_.width), toPixels(rect_.height));
}

QtLabel::QtLabel(QWidget* parent, const LabelDesign& design, FormWidget& form)
    : QtControl(new ClickableLabel(qs(design.caption), parent, form, design.onClick), design.name, design.rect,
        design.font, design.backColor, Back::Fill)
{
    auto* label = static_cast<QLabel*>(widget());
    form.reportMouseMoves(label, design.onMouseMove);
    label->setWordWrap(design.wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(design.foreColor));
    label->setPalette(palette);
}

QtFrame::QtFrame(QWidget* parent, const ControlDesign& design, FormWidget& form)
    : QtControl(new QGroupBox(qs(design.caption), parent), design, Back::Fill)
{
    form.reportMouseMoves(widget(), design.onMouseMove);
}

QtPushButton::QtPushButton(QWidget* parent, const ControlDesign& design, FormWidget& form)
    : QtControl(new EnterPushButton(qs(design.caption), parent), design, Back::Face)
{
    auto* button = static_cast<QPushButton*>(widget());
    form.reportMouseMoves(button, design.onMouseMove);
    keep(QObject::connect(
        button, &QPushButton::clicked, button, [&form, onClick = design.onClick] { form.deliver(onClick); }));
}

QtTextBox::QtTextBox(QWidget* parent, const ControlDesign& design, FormWidget& form)
    : QtControl(new QLineEdit(qs(design.caption), parent), design, Back::Fill)
{
    form.reportMouseMoves(widget(), design.onMouseMove);
    if (design.maxLength > 0)
        edit()->setMaxLength(design.maxLength);
    // Qt ends an edit at Enter and at every loss of focus, changed or not.
    keep(QObject::connect(
        edit(), &QLineEdit::editingFinished, edit(), [&form, line = edit(), onEditEnd = design.onEditEnd] {
            if (!line->isModified())
                return;
            // A handler's message box takes the focus: that ends no second edit.
            line->setModified(false);
            form.deliver(onEditEnd);
        }));
}

QLineEdit* QtTextBox::edit() const { return static_cast<QLineEdit*>(widget()); }

std::string QtTextBox::text() const { return edit()->text().toStdString(); }

void QtTextBox::setText(const std::string& text) { edit()->setText(qs(text)); }

QtCheckBox::QtCheckBox(QWidget* parent, const ControlDesign& design, FormWidget& form)
    : QtControl(new TwoWayCheckBox(qs(design.caption), parent), design, Back::Fill)
{
    keep(QObject::connect(
        box(), &QCheckBox::stateChanged, box(), [&form, onClick = design.onClick] { form.deliver(onClick); }));
}

QCheckBox* QtCheckBox::box() const { return static_cast<QCheckBox*>(widget()); }

std::int16_t QtCheckBox::value() const
{
    switch (box()->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void QtCheckBox::setValue(std::int16_t value)
{
    static constexpr Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    // Qt reports only real changes, as the presenter expects.
    box()->setCheckState(states[checkedCheckState(value)]);
}

QtComboBox::QtComboBox(QWidget* parent, const ControlDesign& design, FormWidget& form)
    : QtControl(new QComboBox(parent), design, Back::Face)
{
    keep(QObject::connect(
        box(), &QComboBox::currentIndexChanged, box(), [&form, onClick = design.onClick] { form.deliver(onClick); }));
}

QComboBox* QtComboBox::box() const { return static_cast<QComboBox*>(widget()); }

void QtComboBox::checkPosition(int position) const
{
    if (position < 0 || position >= listCount())
        throw RuntimeError::invalidPropertyArrayIndex();
}

void QtComboBox::clear()
{
    // Emptying the list moves the selection, but the user picked nothing.
    const QSignalBlocker quiet(box());
    box()->clear();
}

int QtComboBox::addItem(const std::string& text)
{
    const QString entry = qs(text);
    const auto positions = std::views::iota(0, listCount());
    const auto at
        = std::ranges::upper_bound(positions, entry, listOrderLess, [this](int i) { return box()->itemText(i); });
    const int position = static_cast<int>(at - positions.begin());

    // An entry inserted before the selected one moves it on a place, and a
    // first entry selects itself: neither is the user's choice.
    const QSignalBlocker quiet(box());
    const bool noneSelected = box()->currentIndex() < 0;
    box()->insertItem(position, entry, QVariant::fromValue<std::int32_t>(0));
    if (noneSelected)
        box()->setCurrentIndex(-1);
    return position;
}

int QtComboBox::listCount() const { return box()->count(); }

std::string QtComboBox::itemText(int position) const
{
    checkPosition(position);
    return box()->itemText(position).toStdString();
}

std::int32_t QtComboBox::itemData(int position) const
{
    checkPosition(position);
    return box()->itemData(position).value<std::int32_t>();
}

void QtComboBox::setItemData(int position, std::int32_t data)
{
    checkPosition(position);
    box()->setItemData(position, QVariant::fromValue(data));
}

int QtComboBox::listIndex() const { return box()->currentIndex(); }

void QtComboBox::setListIndex(int position)
{
    if (position < -1 || position >= listCount())
        throw RuntimeError::invalidPropertyValue();
    box()->setCurrentIndex(position);
}

} // namespace hv::qt
