#pragma once

#include <QRectF>
#include <QString>
#include <functional>

class FormPropertyReader;
class QObject;
class QWidget;

// How the loader builds one class of a window description.
struct FormClass
{
    enum class Kind
    {
        Control,   // a widget placed by Left/Top/Width/Height
        Container, // a widget whose children are placed inside it and hidden with it
        Timer      // no place on the window
    };

    Kind kind = Kind::Control;
    // Makes the object under parent and reads its properties; on a refused value the reader
    // holds the error and the loader throws the object away.
    std::function<QObject*(QWidget* parent, FormPropertyReader& properties)> create;
    // Puts a widget at its design place in twips; when empty, at the whole pixels it covers.
    std::function<void(QObject* object, const QRectF& twips)> place;
};
