#pragma once

#include "DBConnection.h"
#include "Result.h"

#include <QString>

#include <array>
#include <optional>

// One cell on the text clipboard: "tutor,subject,room,class,special id", no quoting and no
// line end. A placeholder (id 1) gives its stored name, normally "".
struct CellClipboardText {
    static constexpr int NameCount = 4;

    std::array<QString, NameCount> names; // tutor, subject, room, class
    int specialId = 1;

    QString toText() const;

    // Nothing unless the text is exactly five fields whose last is a kind of period (1 to 4,
    // rounded to a whole number). A name holding a comma therefore never comes back.
    static std::optional<CellClipboardText> parse(const QString& text);

    // The names of a stored slot; nothing when the row, or a list row it points at, is missing.
    static Result<std::optional<CellClipboardText>> ofSlot(const DBConnection& db, int slotId);
};
