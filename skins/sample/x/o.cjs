/*
 * Horavista sample skin: a Qt style sheet.
 *
 * Copy the folder "x" next to the horavista executable to try it; the
 * options window then wears this skin, and so does every window and
 * message box opened after it. The windows keep the program's own surface
 * colour (the system's button face); the sheet themes what sits on it.
 * Controls can be picked out by name, as in QPushButton#PushButton1, and
 * images beside this file are named with the prefix "skin:".
 */

QWidget {
    selection-background-color: #3b6ea5;
    selection-color: #ffffff;
}

QGroupBox {
    color: #34506e;
    border: 1px solid #c3cbd5;
    border-radius: 6px;
    margin-top: 7px;
}

QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 9px;
    padding: 0 4px;
}

QCheckBox {
    color: #1f2d3a;
    spacing: 7px;
}

QCheckBox:disabled {
    color: #8a96a3;
}

QComboBox {
    color: #1f2d3a;
    background-color: #ffffff;
    border: 1px solid #b4bec9;
    border-radius: 4px;
    padding: 1px 8px;
    combobox-popup: 0;
}

QComboBox:hover {
    border-color: #7f9bbd;
}

QComboBox:focus {
    border-color: #3b6ea5;
}

QComboBox::drop-down {
    subcontrol-origin: padding;
    subcontrol-position: center right;
    width: 20px;
    border: none;
}

QComboBox::down-arrow {
    image: url(skin:arrow-down.png);
    width: 10px;
    height: 6px;
}

QComboBox QAbstractItemView {
    color: #1f2d3a;
    background-color: #ffffff;
    border: 1px solid #b4bec9;
    outline: 0;
}

QComboBox QAbstractItemView::item {
    min-height: 20px;
}

QPushButton {
    color: #ffffff;
    background-color: #3b6ea5;
    border: 1px solid #325e8d;
    border-radius: 5px;
    padding: 2px 14px;
}

QPushButton:hover {
    background-color: #4a7db4;
}

QPushButton:pressed {
    background-color: #2f5a87;
}

QPushButton:focus {
    border: 1px solid #1c3a5c;
}

QMessageBox {
    background-color: #f4f6f8;
}

QMessageBox QLabel {
    color: #1f2d3a;
}

QDialogButtonBox {
    dialogbuttonbox-buttons-have-icons: 0;
}

QMessageBox QPushButton {
    min-width: 72px;
    min-height: 22px;
}
