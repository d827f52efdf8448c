#include "AppStyle.h"
#include "PictureFolder.h"
#include "PictureSets.h"

#include <QApplication>
#include <QTextStream>

// Draws the pictures people look at when they review the window and the controls:
//   tonvexa-screenshots FOLDER [SET ...]
// with no SET, every set. Nothing here checks anything; the test suite does that.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    AppStyle::apply(app);
    QStringList arguments = QApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (arguments.isEmpty()) {
        err << "usage: tonvexa-screenshots FOLDER [SET ...]" << Qt::endl;
        return 2;
    }
    PictureFolder folder(arguments.takeFirst());
    if (!folder.isUsable()) {
        err << "screenshots: cannot create the folder" << Qt::endl;
        return 1;
    }
    QList<PictureSet> chosen;
    for (const PictureSet& set : PictureSet::all()) {
        if (arguments.isEmpty() || arguments.contains(set.name)) {
            chosen.append(set);
            arguments.removeAll(set.name);
        }
    }
    if (!arguments.isEmpty()) {
        QStringList names;
        for (const PictureSet& set : PictureSet::all()) {
            names.append(set.name);
        }
        err << "screenshots: no set " << arguments.join(QStringLiteral(", ")) << "; the sets are "
            << names.join(QStringLiteral(", ")) << Qt::endl;
        return 2;
    }
    for (const PictureSet& set : chosen) {
        set.draw(folder);
    }
    return folder.succeeded() ? 0 : 1;
}
