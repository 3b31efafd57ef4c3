#include "SlotKey.h"

#include "TimeText.h"

QString SlotKey::startText() const {
    return TimeText::canonical(start);
}
