#pragma once

#include <QImage>
#include <QString>

// Where the review pictures go: saves each one as NAME.png and prints its path; a picture that
// could not be drawn or written is reported on standard error and makes the run fail.
class PictureFolder
{
public:
    explicit PictureFolder(QString path);

    bool isUsable() const { return m_usable; }
    void save(const QString& name, const QImage& picture);
    void fail(const QString& reason);
    bool succeeded() const { return m_succeeded; }

private:
    QString m_path;
    bool m_usable = false;
    bool m_succeeded = true;
};
