#pragma once

#include <QImage>

class SkinGenerator;

// A review sheet: every picture on a neutral checkerboard (so transparency shows), with its id
// and role underneath, in id order.
class ContactSheet
{
public:
    explicit ContactSheet(const SkinGenerator& generator);

    QImage render() const;

private:
    const SkinGenerator& m_generator;
};
