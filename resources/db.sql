-- Periwell database: the tables, placeholder rows, kinds of period and preset styles that
-- every fresh db.mdb holds. periwell-mkdb runs each statement in order, in one transaction.
-- Times of day are text in the one form HH:MM:SS; colours are decimal colour numbers
-- (red in the low byte); font sizes are points as text; sizes are twips.

PRAGMA application_id = 1347768919;
PRAGMA user_version = 1;

CREATE TABLE Class (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL DEFAULT '' COLLATE NOCASE
);
CREATE TABLE Tutor (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL DEFAULT '' COLLATE NOCASE
);
CREATE TABLE Room (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL DEFAULT '' COLLATE NOCASE
);
CREATE TABLE Subject (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL DEFAULT '' COLLATE NOCASE
);

CREATE TABLE SubjectsTaughtByTutor (
    TutorID INTEGER NOT NULL,
    SubjectID INTEGER NOT NULL
);
CREATE INDEX SubjectsTaughtByTutor_Tutor ON SubjectsTaughtByTutor (TutorID);

CREATE TABLE Special (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL DEFAULT '' COLLATE NOCASE
);

CREATE TABLE Style (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Name TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
    UnavailableBackground TEXT NOT NULL DEFAULT '12632256',
    UnavailableForeground TEXT NOT NULL DEFAULT '0',
    TitleFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    TitleFontSize TEXT NOT NULL DEFAULT '14',
    TitleForeground TEXT NOT NULL DEFAULT '8388608',
    ColHeadFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    ColHeadFontSize TEXT NOT NULL DEFAULT '9',
    ColHeadForeground TEXT NOT NULL DEFAULT '0',
    RowHeadFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    RowHeadFontSize TEXT NOT NULL DEFAULT '9',
    RowHeadForeground TEXT NOT NULL DEFAULT '0',
    PeriodFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    PeriodFontSize TEXT NOT NULL DEFAULT '8',
    PeriodForeground TEXT NOT NULL DEFAULT '0'
);

CREATE TABLE TimeTableView (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    ViewBy TEXT NOT NULL DEFAULT '',
    Name TEXT NOT NULL DEFAULT '' COLLATE NOCASE,
    ClassID INTEGER NOT NULL DEFAULT 1,
    RoomID INTEGER NOT NULL DEFAULT 1,
    TutorID INTEGER NOT NULL DEFAULT 1,
    SubjectID INTEGER NOT NULL DEFAULT 1,
    TitleFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    TitleFontSize TEXT NOT NULL DEFAULT '14',
    TitleForeground TEXT NOT NULL DEFAULT '8388608',
    ColHeadFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    ColHeadFontSize TEXT NOT NULL DEFAULT '9',
    ColHeadForeground TEXT NOT NULL DEFAULT '0',
    RowHeadFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    RowHeadFontSize TEXT NOT NULL DEFAULT '9',
    RowHeadForeground TEXT NOT NULL DEFAULT '0',
    PeriodFont TEXT NOT NULL DEFAULT 'DejaVu Sans',
    PeriodFontSize TEXT NOT NULL DEFAULT '8',
    PeriodForeground TEXT NOT NULL DEFAULT '0',
    UnavailableBackground TEXT NOT NULL DEFAULT '12632256',
    UnavailableForeground TEXT NOT NULL DEFAULT '0',
    FixedRowHeight INTEGER NOT NULL DEFAULT 570,
    FixedColWidth INTEGER NOT NULL DEFAULT 1200
);

CREATE TABLE XTitle (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    TimeTableViewID INTEGER NOT NULL,
    StartTime TEXT NOT NULL,
    Duration INTEGER NOT NULL DEFAULT 0,
    Width INTEGER NOT NULL DEFAULT 1500,
    SpecialID INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX XTitle_TimeTableView ON XTitle (TimeTableViewID);

CREATE TABLE YTitle (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    TimeTableViewID INTEGER NOT NULL,
    DOW TEXT NOT NULL DEFAULT '',
    Height INTEGER NOT NULL DEFAULT 1050,
    ExamDate TEXT
);
CREATE INDEX YTitle_TimeTableView ON YTitle (TimeTableViewID);

CREATE TABLE Slot (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    SubjectID INTEGER NOT NULL DEFAULT 1,
    ClassID INTEGER NOT NULL DEFAULT 1,
    TutorID INTEGER NOT NULL DEFAULT 1,
    RoomID INTEGER NOT NULL DEFAULT 1,
    SpecialID INTEGER NOT NULL DEFAULT 1,
    StartTime TEXT NOT NULL,
    DOW TEXT NOT NULL DEFAULT '',
    Duration INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX Slot_Time ON Slot (StartTime, DOW);
-- A timetable reads its owner's slots of its own days and periods in one statement.
CREATE INDEX Slot_Class ON Slot (ClassID, StartTime, DOW);
CREATE INDEX Slot_Tutor ON Slot (TutorID, StartTime, DOW);
CREATE INDEX Slot_Room ON Slot (RoomID, StartTime, DOW);

INSERT INTO Class (ID, Name) VALUES (1, '');
INSERT INTO Tutor (ID, Name) VALUES (1, '');
INSERT INTO Room (ID, Name) VALUES (1, '');
INSERT INTO Subject (ID, Name) VALUES (1, '');

INSERT INTO Special (ID, Name) VALUES (1, 'Period');
INSERT INTO Special (ID, Name) VALUES (2, 'Unavailable');
INSERT INTO Special (ID, Name) VALUES (3, 'Lunch');
INSERT INTO Special (ID, Name) VALUES (4, 'Break');

INSERT INTO Style (ID, Name, UnavailableBackground, UnavailableForeground,
    TitleFont, TitleFontSize, TitleForeground, ColHeadFont, ColHeadFontSize, ColHeadForeground,
    RowHeadFont, RowHeadFontSize, RowHeadForeground, PeriodFont, PeriodFontSize, PeriodForeground)
VALUES (1, 'Blue', '16770508', '8388608',
    'DejaVu Sans', '14', '8388608', 'DejaVu Sans', '9', '10040064',
    'DejaVu Sans', '9', '10040064', 'DejaVu Sans', '8', '10040064');
INSERT INTO Style (ID, Name, UnavailableBackground, UnavailableForeground,
    TitleFont, TitleFontSize, TitleForeground, ColHeadFont, ColHeadFontSize, ColHeadForeground,
    RowHeadFont, RowHeadFontSize, RowHeadForeground, PeriodFont, PeriodFontSize, PeriodForeground)
VALUES (2, 'Black on White', '0', '16777215',
    'DejaVu Sans', '14', '0', 'DejaVu Sans', '9', '0',
    'DejaVu Sans', '9', '0', 'DejaVu Sans', '8', '0');
INSERT INTO Style (ID, Name, UnavailableBackground, UnavailableForeground,
    TitleFont, TitleFontSize, TitleForeground, ColHeadFont, ColHeadFontSize, ColHeadForeground,
    RowHeadFont, RowHeadFontSize, RowHeadForeground, PeriodFont, PeriodFontSize, PeriodForeground)
VALUES (3, 'Sunrise', '11788021', '1262987',
    'DejaVu Sans', '16', '1262987', 'DejaVu Sans', '9', '1262987',
    'DejaVu Sans', '9', '1262987', 'DejaVu Sans', '8', '0');
