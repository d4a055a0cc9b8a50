#include "TableExport.h"

#include "kvsnmp/KvSecrets.h"

#include <QProgressDialog>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <numeric>

#include <sys/stat.h>

namespace {

// Digits with at most one decimal point between digits.
bool IsPlainNumber(QStringView text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    return number.match(text.toString()).hasMatch();
}

// Spreadsheets evaluate a cell that begins with = + - or @ as a formula, and
// some skip a leading tab or CR before they look.  A plain negative number is
// only a number, and a column of them should still add up.
bool SpreadsheetWouldEvaluate(const QString& text)
{
    if (text.isEmpty())
        return false;
    switch (text.front().unicode()) {
    case u'-':
        return !IsPlainNumber(QStringView(text).mid(1));
    case u'=': case u'+': case u'@': case u'\t': case u'\r':
        return true;
    default:
        return false;
    }
}

QString CellForCopy(QString text)
{
    for (QChar& ch : text)
        if (ch == QLatin1Char('\t') || ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
            ch = QLatin1Char(' ');
    return text;
}

} // namespace

TTableText TableRows(const QTreeWidget& list, const std::vector<int>& rows)
{
    TTableText table;
    const int columns = list.columnCount();
    if (const QTreeWidgetItem* header = list.headerItem())
        for (int c = 0; c < columns; ++c)
            table.Header << header->text(c);
    table.Rows.reserve(static_cast<qsizetype>(rows.size()));
    for (int r : rows) {
        const QTreeWidgetItem* item = list.topLevelItem(r);
        if (!item)
            continue;
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row << item->text(c);
        table.Rows << row;
    }
    return table;
}

TTableText TableRows(const QTreeWidget& list)
{
    std::vector<int> rows(static_cast<std::size_t>(list.topLevelItemCount()));
    std::iota(rows.begin(), rows.end(), 0);
    return TableRows(list, rows);
}

QString TableCopyText(const TTableText& table)
{
    QString text;
    const auto line = [&text](const QStringList& cells) {
        for (qsizetype c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += QLatin1Char('\t');
            if (SpreadsheetWouldEvaluate(cells[c]))
                text += QLatin1Char('\'');
            text += CellForCopy(cells[c]);
        }
        text += QLatin1Char('\n');
    };
    line(table.Header);
    for (const QStringList& row : table.Rows)
        line(row);
    return text;
}

QByteArray CsvRecord(const QStringList& fields)
{
    QByteArray record;
    for (qsizetype c = 0; c < fields.size(); ++c) {
        if (c > 0)
            record += ',';
        const QByteArray field = fields[c].toUtf8();
        const bool formula = SpreadsheetWouldEvaluate(fields[c]);
        if (formula || field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n')) {
            record += '"';
            if (formula)
                record += '\'';
            for (char ch : field) {
                if (ch == '"')
                    record += '"';
                record += ch;
            }
            record += '"';
        } else {
            record += field;
        }
    }
    record += "\r\n";
    return record;
}

bool TableHoldsSecrets(const QStringList& header)
{
    // A column wrongly taken for a secret only makes a file more private.
    return std::any_of(header.begin(), header.end(),
                       [](const QString& caption) { return KvCaptionNamesSecret(caption.toStdString()); });
}

TTableExport::TTableExport(TTableText table, const QString& path, QObject* parent)
    : QObject(parent), table_(std::move(table)), file_(path), private_(TableHoldsSecrets(table_.Header))
{
}

TTableExport::~TTableExport()
{
    // An export dropped unfinished leaves no file behind.
    if (!done_)
        file_.cancelWriting();
    delete progress_;
}

void TTableExport::Start(QWidget* progressOwner)
{
    progress_ = new QProgressDialog(QStringLiteral("Exporting %1 rows…").arg(table_.Rows.size()),
                                    QStringLiteral("Cancel"), 0, static_cast<int>(table_.Rows.size()), progressOwner);
    progress_->setWindowTitle(QStringLiteral("Export"));
    progress_->setMinimumDuration(ProgressAfterMs);
    progress_->setValue(0);
    connect(progress_, &QProgressDialog::canceled, this, &TTableExport::Cancel);
    QTimer::singleShot(0, this, &TTableExport::WriteSlice);
}

void TTableExport::Cancel()
{
    if (done_)
        return;
    file_.cancelWriting();
    Finish(false, QString());
}

void TTableExport::WriteSlice()
{
    if (done_)
        return;
    if (!file_.isOpen() && (!Open() || file_.write(CsvRecord(table_.Header)) < 0)) {
        const QString error = file_.errorString();
        file_.cancelWriting();
        Finish(false, error);
        return;
    }
    const qsizetype end = std::min(next_ + RowsPerSlice, table_.Rows.size());
    QByteArray slice;
    for (; next_ < end; ++next_)
        slice += CsvRecord(table_.Rows[next_]);
    if (file_.write(slice) < 0) {
        const QString error = file_.errorString();
        file_.cancelWriting();
        Finish(false, error);
        return;
    }
    Q_EMIT Written(next_);
    if (done_)
        return;   // cancelled meanwhile
    if (next_ < table_.Rows.size()) {
        progress_->setValue(static_cast<int>(next_));
        QTimer::singleShot(0, this, &TTableExport::WriteSlice);
        return;
    }
    if (!file_.commit()) {
        Finish(false, file_.errorString());
        return;
    }
    Finish(true, QString());
}

bool TTableExport::Open()
{
    if (!private_)
        return file_.open(QIODevice::WriteOnly);
    // The temporary file is created as 0666 less the umask: without group and
    // other bits from the start, so that nobody can open it before the
    // permissions are narrowed (an existing file's are copied to it on open).
    const mode_t old = ::umask(077);
    const bool opened = file_.open(QIODevice::WriteOnly);
    ::umask(old);
    return opened && file_.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void TTableExport::Finish(bool ok, const QString& error)
{
    done_ = true;
    if (progress_) {
        // Cut off first: a progress dialog going away may still say canceled.
        progress_->disconnect(this);
        progress_->deleteLater();
        progress_ = nullptr;
    }
    Q_EMIT Finished(ok, error);
}
