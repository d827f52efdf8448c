#include "PictureFolder.h"

#include <QDir>
#include <QTextStream>

PictureFolder::PictureFolder(QString path)
    : m_path(std::move(path))
    , m_usable(QDir().mkpath(m_path))
{}

void PictureFolder::save(const QString& name, const QImage& picture)
{
    const QString file = QDir(m_path).filePath(name + QStringLiteral(".png"));
    if (picture.isNull()) {
        fail(QStringLiteral("no picture for %1").arg(file));
    } else if (!picture.save(file, "PNG")) {
        fail(QStringLiteral("cannot write %1").arg(file));
    } else {
        QTextStream(stdout) << file << Qt::endl;
    }
}

void PictureFolder::fail(const QString& reason)
{
    m_succeeded = false;
    QTextStream(stderr) << "screenshots: " << reason << Qt::endl;
}
