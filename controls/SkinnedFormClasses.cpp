#include "SkinnedFormClasses.h"

#include "C_ProgressBar.h"
#include "FormLoader.h"
#include "FormPropertyReader.h"
#include "ShowNumber.h"
#include "SimpControl.h"
#include "SkinnedSlider.h"

namespace {

// The skinned controls scale from their exact place in twips, not from whole pixels.
void placeSkinned(QObject* object, const QRectF& twips)
{
    static_cast<SkinnedControl*>(object)->setTwipsGeometry(twips);
}

template <class Control>
FormClass skinnedClass(SkinImages& skin)
{
    FormClass formClass;
    formClass.create = [&skin](QWidget* parent, FormPropertyReader& properties) -> QObject* {
        auto* control = new Control(skin, parent);
        // The controls take their reference size from their place, so it comes first.
        control->setTwipsGeometry(properties.node().geometry.value_or(QRectF()));
        control->readProperties(properties);
        return control;
    };
    formClass.place = placeSkinned;
    return formClass;
}

} // namespace

void addSkinnedFormClasses(FormLoader& loader, SkinImages& skin)
{
    loader.registerClass(QStringLiteral("ZEV_Studio.SimpControl"), skinnedClass<SimpControl>(skin));
    loader.registerClass(QStringLiteral("ZEV_Studio.ScrollBar"), skinnedClass<SkinnedSlider>(skin));
    loader.registerClass(QStringLiteral("ZEV_Studio.ShowNumber"), skinnedClass<ShowNumber>(skin));

    FormClass progressBar;
    progressBar.create = [&skin](QWidget* parent, FormPropertyReader&) -> QObject* {
        return new C_ProgressBar(skin, parent);
    };
    progressBar.place = placeSkinned;
    loader.registerClass(QStringLiteral("ZEV_Studio.C_ProgressBar"), progressBar);
}
