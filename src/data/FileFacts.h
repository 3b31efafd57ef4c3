#pragma once

#include <QString>

// What the file system says about a database file and its folder (the file that any links lead
// to), to tell a user why the file cannot be used. Permissions count only when both the system
// and the file's mode bits grant them, so a file or folder marked read-only is named as such even
// for an administrator.
struct FileFacts {
    QString path;              // as given, made absolute
    QString folder;            // the folder of the file that links lead to, where its journal lies
    QString journal;           // the journal beside that file
    bool linkLoop = false;     // the path runs into a loop of symbolic links
    bool danglingLink = false; // a symbolic link to nothing
    QString linkTarget;        // where a dangling link points
    bool exists = false;
    bool isFile = false;
    bool readable = false;
    bool writable = false;
    bool folderWritable = false;
    bool journalWaiting = false; // an unfinished change waits in the journal beside the file

    static FileFacts of(const QString& path);
};
