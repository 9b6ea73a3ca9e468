// Small helpers that the dialogs build their controls with.
#pragma once

#include <QBoxLayout>
#include <QPushButton>
#include <QString>

// The widget, given the name its dialog and the tests address it by.
template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A push button of the dialog, added to the row and running the handler
// when clicked. It is not an auto-default button: only a button made the
// default (setDefault) answers the Enter key.
template <typename Dialog>
QPushButton* AddButton(Dialog* dialog, QBoxLayout* row, const QString& caption, const char* name,
                       void (Dialog::*handler)()) {
    auto* button = Named(new QPushButton(caption, dialog), name);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog, handler);
    row->addWidget(button);
    return button;
}
