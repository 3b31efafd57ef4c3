#pragma once

#include "data/DBConnection.h"
#include "data/NameLists.h"
#include "data/TimetableLook.h"

#include <QString>

#include <memory>

// The program's shared state: the one database connection and the flags that several windows
// read and set. One instance, owned by the program and handed to each window.
class ModMain {
public:
    // The one connection, open from start-up to the end of the program.
    DBConnection& db() const { return *m_db; }
    bool hasDb() const { return m_db != nullptr; }
    void setDb(std::unique_ptr<DBConnection> db) { m_db = std::move(db); }

    bool StartingUp = false;
    bool GridEventsEnabled = false;
    bool TreeClickWritesSlot = false;
    bool KeepSpecialID = false;
    int CurrentSpecialID = 0;
    bool CreateTTShowWelcome = false;
    QString CreateTTViewBy;
    bool AutoFillShowWelcome = false;

    // The format dialog's values being edited: its load fills them, its lists change them and
    // its OK writes them. They keep their last values after the dialog closes.
    FormatValues FormatEditValues;

    // The record editors' ids, one per list: NewRecord before adding (the new id after OK), or
    // the record to rename. The manage dialog keeps the record it deletes here too.
    static constexpr int NewRecord = -1;
    int EditTutorID = NewRecord;
    int EditSubjectID = NewRecord;
    int EditRoomID = NewRecord;
    int EditClassID = NewRecord;
    int& EditID(NameLists::List list) {
        switch (list) {
        case NameLists::Tutor:
            return EditTutorID;
        case NameLists::Subject:
            return EditSubjectID;
        case NameLists::Room:
            return EditRoomID;
        case NameLists::Class:
            break;
        }
        return EditClassID;
    }

private:
    std::unique_ptr<DBConnection> m_db;
};

// Sets a flag for the lifetime of the guard and restores its earlier value on every exit path.
class FlagGuard {
public:
    FlagGuard(bool& flag, bool value) : m_flag(flag), m_saved(flag) { m_flag = value; }
    ~FlagGuard() { m_flag = m_saved; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};
