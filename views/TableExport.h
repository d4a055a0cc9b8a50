// Taking a table view's contents away: the selected rows as text for the
// clipboard, and the whole table as a CSV file.  Both carry the values as the
// list shows them, under the column captions.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QProgressDialog;
class QTreeWidget;
class QWidget;

// The texts of a list's rows at one moment: later reads may empty the list
// while a file is still being written from them.
struct TTableText {
    QStringList Header;
    QList<QStringList> Rows;
};

// The texts of the given rows of the list (every row by default), in the
// order given.
TTableText TableRows(const QTreeWidget& list, const std::vector<int>& rows);
TTableText TableRows(const QTreeWidget& list);

// Tab-separated lines, the header first, each ended by a line break.  A tab or
// line break inside a value would start a new cell or row where it is pasted,
// so it becomes a space.  Spreadsheets take a pasted cell as typed, so a value
// they would evaluate as a formula (see CsvRecord) gets a leading ' and stays text.
QString TableCopyText(const TTableText& table);

// One CSV record: a field holding a comma, a double quote, CR or LF is quoted
// with its quotes doubled; UTF-8; ended by CRLF.  A field that spreadsheets
// would evaluate as a formula (it begins with = + - @, a tab or CR; a plain
// negative number excepted) is written quoted with a leading ', so that it
// opens as text: agents and anyone who can set an alias or a name choose
// these values.
QByteArray CsvRecord(const QStringList& fields);

// Whether a table's columns carry secrets (community names, keys, pass
// phrases), judged from their captions by the rule configuration snapshots
// use too (kvsnmp/KvSecrets.h); such an export is kept private.
bool TableHoldsSecrets(const QStringList& header);

// Writes a table as CSV a slice of rows at a time from the event loop, so that
// a big table does not hold up the window.  The file appears whole, through a
// temporary file in the same folder renamed at the end, or not at all; a
// table that holds secrets is written readable by its owner only (0600).
class TTableExport : public QObject {
    Q_OBJECT
public:
    static constexpr int RowsPerSlice = 2000;
    // Shown only once an export has run this long.
    static constexpr int ProgressAfterMs = 1000;

    TTableExport(TTableText table, const QString& path, QObject* parent = nullptr);
    ~TTableExport() override;

    // Starts writing; progressOwner (may be null) parents the progress
    // dialog, whose Cancel abandons the file.  Finished follows exactly once,
    // always from the event loop.
    void Start(QWidget* progressOwner);
    void Cancel();

Q_SIGNALS:
    // After each slice: the rows written so far.
    void Written(qsizetype rows);
    // ok false: error says why (empty after a Cancel).
    void Finished(bool ok, const QString& error);

private:
    bool Open();
    void WriteSlice();
    void Finish(bool ok, const QString& error);

    TTableText table_;
    QSaveFile file_;
    bool private_;
    qsizetype next_ = 0;
    bool done_ = false;
    QProgressDialog* progress_ = nullptr;
};
