#pragma once

#include "Form.h"
#include "FormClass.h"
#include "FormDescription.h"
#include "FormError.h"

#include <QCoreApplication>
#include <QHash>
#include <memory>

class QWidget;

// Builds the controls of a window description under a parent widget, all or nothing: on the
// first error nothing built stays behind and the error names the file and line. It knows the
// plain kinds Frame, PictureBox, TextBox, Label, CheckBox and Timer; other classes (the skinned
// controls) are registered by their owners, who may also put their own factory in place of any
// class.
class FormLoader
{
    Q_DECLARE_TR_FUNCTIONS(FormLoader)

public:
    FormLoader();

    void registerClass(const QString& className, const FormClass& formClass);
    // The owner's own widget for a class, for example its graph where the picture box is. The
    // factory may read the node's properties; keys it leaves unread are refused as misspelt.
    void registerFactory(const QString& className,
                         std::function<QWidget*(QWidget* parent, FormPropertyReader&)> factory);

    std::unique_ptr<Form> load(const FormDescription& description, QWidget* parent,
                               FormError& error) const;
    std::unique_ptr<Form> loadFile(const QString& path, QWidget* parent, FormError& error) const;

private:
    const FormClass* formClass(const QString& className) const;
    bool build(const FormNode& node, QWidget* parent, int parentEntry, const QString& fileName,
               Form& form, QList<QPointer<QObject>>& built, FormError& error) const;

    QHash<QString, FormClass> m_classes; // by lower-case class name
};
