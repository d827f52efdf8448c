#pragma once

#include <QSize>
#include <QString>

// The skin pictures by id: the natural pixel size every layout and hit area relies on, and what
// each picture is for. The drawing program produces exactly these sizes; the controls load them.
class SkinCatalog
{
public:
    static constexpr int FirstId = 101;
    static constexpr int LastId = 400;
    static constexpr int Count = LastId - FirstId + 1;

    static bool contains(int id) { return id >= FirstId && id <= LastId; }
    static QSize naturalSize(int id);
    static QString role(int id);
    // Where the picture lives among the embedded resources.
    static QString resourcePath(int id);
};
