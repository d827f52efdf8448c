#include "WheelNotches.h"

int WheelNotches::add(int angleDeltaY, bool plain)
{
    if (!plain) {
        m_gathered = 0;
        return 0;
    }
    m_gathered += angleDeltaY;
    // Division truncates towards zero: the part left over keeps its direction.
    const long long notches = m_gathered / Notch;
    m_gathered -= notches * Notch;
    return int(notches);
}
